#!/usr/bin/env python3
"""Writes every character the program can show into one text file, for cutting the label font.

From C++ sources only the string literals count, from the catalogues only the translations; from the
page's own files every character does.
Printable ASCII is always in, since numbers and codes are made of it at run time.
Usage: shown_text.py OUTPUT SOURCE...
"""
import re
import sys
from pathlib import Path

LITERAL = re.compile(r'"((?:[^"\\\n]|\\.)*)"')


def shown(path):
    text = Path(path).read_text(encoding="utf-8")
    if path.endswith((".cpp", ".h")):
        return "".join(LITERAL.findall(text))
    if path.endswith(".po"):
        return "".join(LITERAL.findall(line)[0] for line in text.splitlines() if line.startswith(("msgstr", '"')))
    return text


def main(output, *sources):
    characters = {chr(code) for code in range(0x20, 0x7F)}
    for source in sources:
        characters.update(character for character in shown(source) if character.isprintable())
    Path(output).write_text("".join(sorted(characters)), encoding="utf-8")


if __name__ == "__main__":
    main(*sys.argv[1:])
