#!/usr/bin/python3
"""Writes the stored pictures, decoded, as a C++ source of the toolkit's picture model.

Pillow decodes with the libjpeg that Qt decodes with on this machine, so every face shows the pixels
the desktop showed when it read the file itself, and the photo's key colour is found where it was.
Usage: embed_pictures.py OUTPUT PICTURE...
"""
import sys
from pathlib import Path

from PIL import Image


def array(symbol, data):
    rows = (",".join(str(byte) for byte in data[start:start + 32]) for start in range(0, len(data), 32))
    return f"const unsigned char {symbol}[] = {{\n" + ",\n".join(rows) + "\n};\n"


def main(output, *pictures):
    arrays, entries = [], []
    for index, path in enumerate(pictures):
        image = Image.open(path).convert("RGB")
        symbol = f"picture{index}"
        arrays.append(array(symbol, image.tobytes()))
        entries.append(f'    {{ "{Path(path).name}", {image.width}, {image.height}, {symbol} }},')
    Path(output).write_text(
        '#include "toolkit/picture/EmbeddedPictures.h"\n\nnamespace palettra::toolkit {\n\nnamespace {\n\n'
        + "\n".join(arrays)
        + "\nconst EmbeddedPicture pictures[] = {\n" + "\n".join(entries) + "\n};\n\n} // namespace\n\n"
        + "const std::span<const EmbeddedPicture> EmbeddedPictures(pictures);\n\n} // namespace palettra::toolkit\n",
        encoding="utf-8")


if __name__ == "__main__":
    main(*sys.argv[1:])
