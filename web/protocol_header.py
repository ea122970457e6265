#!/usr/bin/python3
"""Writes the numbers the page and the module exchange, from protocol.json, as C++ enumerations.

The page's script imports the same file, so the two sides cannot come to count differently.
Usage: protocol_header.py PROTOCOL_JSON OUTPUT_HEADER
"""
import json
import sys
from pathlib import Path


def enumeration(name, members):
    values = ", ".join(f"{member} = {number}" for member, number in members.items())
    return f"enum class {name} {{ {values} }};\n"


def main(protocol, output):
    groups = json.loads(Path(protocol).read_text(encoding="utf-8"))
    Path(output).parent.mkdir(parents=True, exist_ok=True)
    Path(output).write_text(
        "#pragma once\n\n// Written from web/protocol.json by protocol_header.py.\n\nnamespace palettra::web::protocol {\n\n"
        + "".join(enumeration(name, members) for name, members in groups.items())
        + "\n} // namespace palettra::web::protocol\n",
        encoding="utf-8")


if __name__ == "__main__":
    main(*sys.argv[1:])
