#!/usr/bin/env bash
# Writes the catalogue's template from the Japanese source: every text that the layouts mark with
# Text("…") and that the code asks a language to Say("…"), with the notes for translators.
# Usage: texts/extract.sh OUTPUT.pot
set -euo pipefail
cd "$(dirname "$0")/.."
find common texts toolkit layouts forms shell -name '*.cpp' | LC_ALL=C sort |
    xgettext --from-code=UTF-8 --language=C++ --keyword= --keyword=Say:1 --keyword=Text:1 \
        --add-comments=TRANSLATORS: --no-wrap --sort-by-file --package-name=Palettra \
        --files-from=- --output="$1"
