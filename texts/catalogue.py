#!/usr/bin/env python3
"""Reads gettext PO catalogues, and writes them as the program's data.

  catalogue.py write OUTPUT.cpp LANG.po...   the catalogues as C++, for texts/Language.h
  catalogue.py check TEMPLATE.pot LANG.po... fails on an entry that is missing, untranslated,
                                             fuzzy or stale, or whose places do not match
  catalogue.py same TEMPLATE.pot FRESH.pot   fails when the template lacks a text of the sources
                                             or holds one they no longer have

A language's tag is its file's name (en.po is "en"). Japanese, the source, has no catalogue.
"""
import re
import sys
from pathlib import Path

PLACE = re.compile(r"\{[a-z]+\}")


def unquote(line):
    body = line[line.index('"') + 1 : line.rindex('"')]
    return re.sub(r'\\(.)', lambda m: {"n": "\n", "t": "\t"}.get(m.group(1), m.group(1)), body)


def entries(path):
    """Every entry of a PO file as (source, translation, fuzzy), the header left out."""
    found, entry, field = [], None, None

    def finish():
        if entry and entry.get("msgid"):
            found.append((entry["msgid"], entry.get("msgstr", ""), entry["fuzzy"]))

    for line in Path(path).read_text(encoding="utf-8").splitlines() + [""]:
        line = line.strip()
        if not line:
            finish()
            entry, field = None, None
            continue
        if entry is None:
            entry = {"fuzzy": False}
        if line.startswith("#,"):
            entry["fuzzy"] = "fuzzy" in line
        elif line.startswith("#"):
            continue
        elif line.startswith('"'):
            entry[field] += unquote(line)
        else:
            field = line.split()[0]
            entry[field] = unquote(line)
    return found


def literal(text):
    escaped = text.replace("\\", "\\\\").replace('"', '\\"').replace("\n", "\\n")
    return f'"{escaped}"'


def write(output, *catalogues):
    arrays, languages = [], ['Language("ja", {})']
    for path in catalogues:
        tag = Path(path).stem
        translated = sorted(
            ((source, text) for source, text, fuzzy in entries(path) if text and not fuzzy),
            key=lambda pair: pair[0].encode("utf-8"),
        )
        rows = "\n".join(f"        {{ {literal(s)}, {literal(t)} }}," for s, t in translated)
        if rows:  # a catalogue just begun has nothing yet, and C++ has no empty array
            arrays.append(f"    constexpr Translation {tag}[] {{\n{rows}\n    }};\n")
        languages.append(f'Language("{tag}", {tag if rows else "{}"})')
    Path(output).write_text(
        "// Written by texts/catalogue.py from texts/po/*.po.\n"
        '#include "texts/Language.h"\n\n'
        "namespace palettra::texts {\n\nnamespace {\n\n"
        + "\n".join(arrays)
        + f"\n    constexpr Language all[] {{ {', '.join(languages)} }};\n\n}} // namespace\n\n"
        "std::span<const Language> Languages() { return all; }\n\n} // namespace palettra::texts\n",
        encoding="utf-8",
    )


def check(template, *catalogues):
    sources = [source for source, _, _ in entries(template)]
    faults = []
    for path in catalogues:
        translated = {source: (text, fuzzy) for source, text, fuzzy in entries(path)}
        for source in sources:
            text, fuzzy = translated.get(source, ("", False))
            if not text or fuzzy:
                faults.append(f"{path}: no translation of {source!r}")
            elif set(PLACE.findall(text)) != set(PLACE.findall(source)):
                faults.append(f"{path}: the places of {source!r} are not those of {text!r}")
        faults += [f"{path}: {source!r} is not in the template" for source in translated if source not in sources]
    print("\n".join(faults) or f"{len(sources)} texts, every one translated in {len(catalogues)} catalogue(s)")
    return 1 if faults else 0


def same(template, fresh):
    kept = {source for source, _, _ in entries(template)}
    current = {source for source, _, _ in entries(fresh)}
    for source in sorted(current - kept):
        print(f"{template} lacks {source!r}: run texts/extract.sh {template}, then msgmerge the catalogues")
    for source in sorted(kept - current):
        print(f"{template} still holds {source!r}, which the sources no longer have")
    return 0 if kept == current else 1


if __name__ == "__main__":
    command, *arguments = sys.argv[1:]
    sys.exit({"write": write, "check": check, "same": same}[command](*arguments))
