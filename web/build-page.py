#!/usr/bin/env python3
"""Builds the one-file page: the template with the linked script (which carries the wasm), the
look-alike fonts that the layout table names for the window's fonts, each subset to the
characters the window draws (printable ASCII) and embedded as WOFF2, and a security policy that
names the page's scripts by their hashes.

usage: build-page.py TEMPLATE SCRIPT TITLE OUTPUT LAYOUT-TABLE-COMMAND...
"""

import base64
import hashlib
import html
import io
import re
import subprocess
import sys

from fontTools import subset

DRAWN = range(0x20, 0x7F)
FONTCONFIG_WEIGHTS = {400: 80, 700: 200}


def font_file(family, weight):
    """The installed file of a family at a weight, upright and of normal width."""
    pattern = f"{family}:weight={FONTCONFIG_WEIGHTS[weight]}:slant=0:width=100"
    found = subprocess.run(["fc-match", "-f", "%{family[0]}\t%{file}", pattern],
                           capture_output=True, text=True, check=True).stdout.split("\t")
    if found[0] != family:
        sys.exit(f"build-page.py: the font {family} is not installed (tools/install-deps.sh web)")
    return found[1]


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


def font_faces(table_command):
    """A face for each look-alike and weight the table names, lightest first, and a line for
    each family naming its package and its licence. A weight that the family has no file of is
    left to the browser, which draws it from the lighter face."""
    table = subprocess.run(table_command, capture_output=True, text=True, check=True).stdout
    faces = sorted((fields[1], int(fields[2]), fields[3], fields[4]) for fields in
                   (line.split("\t") for line in table.splitlines()) if fields[0] == "font")
    embedded, notices, rules = set(), {}, []
    for family, weight, package, licence in faces:
        notices[family] = f"  {family} ({package}): {licence}."
        path = font_file(family, weight)
        if path not in embedded:
            embedded.add(path)
            rules.append(font_face(family, weight, path))
    return "\n".join(notices.values()), "\n".join(rules)


def script_hashes(page):
    return " ".join(
        "'sha256-" + base64.b64encode(hashlib.sha256(code.encode()).digest()).decode() + "'"
        for code in re.findall(r"<script>(.*?)</script>", page, re.DOTALL))


def main():
    template, script, title, output, *table_command = sys.argv[1:]
    with open(template, encoding="utf-8") as file:
        page = file.read()
    with open(script, encoding="utf-8") as file:
        code = file.read().replace("</script", "<\\/script")
    page = page.replace("{{title}}", html.escape(title))
    notices, rules = font_faces(table_command)
    page = page.replace("{{font-notices}}", html.escape(notices)).replace("{{fonts}}", rules)
    page = page.replace("{{script}}", code)
    # The policy stands before the scripts, so the first mark is the policy's.
    page = page.replace("{{script-hashes}}", script_hashes(page), 1)
    with open(output, "w", encoding="utf-8") as file:
        file.write(page)


if __name__ == "__main__":
    main()
