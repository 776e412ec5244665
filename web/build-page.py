#!/usr/bin/env python3
"""Builds the one-file page: the template with the linked script (which carries the wasm) and
the fonts the window is designed around, each subset to the characters the window draws
(printable ASCII, and the submenu arrow) and embedded as WOFF2.

usage: build-page.py TEMPLATE SCRIPT TITLE OUTPUT
"""

import base64
import io
import sys

from fontTools import subset

FONTS = [  # family, weight, file from Debian's font packages
    ("Comic Neue", 400, "/usr/share/fonts/opentype/comic-neue/ComicNeue-Regular.otf"),
    ("Comic Neue", 700, "/usr/share/fonts/opentype/comic-neue/ComicNeue-Bold.otf"),
    ("OCRA", 400, "/usr/share/fonts/truetype/ocr-a/OCRA.ttf"),
    ("DejaVu Sans", 400, "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"),
    ("DejaVu Sans", 700, "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"),
]
DRAWN = [*range(0x20, 0x7F), 0x25B8]


def font_face(family, weight, path):
    options = subset.Options()
    options.flavor = "woff2"
    options.layout_features = ["kern"]
    options.name_IDs = [0, 1, 2, 13, 14]  # copyright, names and licence stay with the font
    font = subset.load_font(path, options)
    subsetter = subset.Subsetter(options)
    subsetter.populate(unicodes=DRAWN)
    subsetter.subset(font)
    data = io.BytesIO()
    subset.save_font(font, data, options)
    encoded = base64.b64encode(data.getvalue()).decode()
    return (f"@font-face {{ font-family: '{family}'; font-weight: {weight}; "
            f"src: url(data:font/woff2;base64,{encoded}) format('woff2'); }}")


def main():
    template, script, title, output = sys.argv[1:]
    with open(template, encoding="utf-8") as file:
        page = file.read()
    with open(script, encoding="utf-8") as file:
        code = file.read().replace("</script", "<\\/script")
    fonts = "\n".join(font_face(*font) for font in FONTS)
    page = page.replace("{{title}}", title).replace("{{fonts}}", fonts)
    page = page.replace("{{script}}", code)
    with open(output, "w", encoding="utf-8") as file:
        file.write(page)


if __name__ == "__main__":
    main()
