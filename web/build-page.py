#!/usr/bin/env python3
"""Builds the one-file page: the template with the window's markup and style sheets (so that
it shows before the script runs), the linked script (which carries the wasm), the look-alike
fonts that the layout table names for the window's fonts, each subset to the characters the
window draws (printable ASCII) and embedded as WOFF2, and a security policy that names the
page's scripts and style sheets by their hashes.

usage: build-page.py TEMPLATE SCRIPT TITLE OUTPUT NODE LAYOUT-TABLE PAGE-PARTS
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


def font_faces(table):
    """A face for each look-alike and weight the table names, lightest first, and a line for
    each family naming its package and its licence. A weight that the family has no file of is
    left to the browser, which draws it from the lighter face."""
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


def hashes(page, tag):
    """The sources that name each of the page's `tag` elements by its hash."""
    return " ".join(
        "'sha256-" + base64.b64encode(hashlib.sha256(code.encode()).digest()).decode() + "'"
        for code in re.findall(f"<{tag}>(.*?)</{tag}>", page, re.DOTALL))


def main():
    template, script, title, output, node, table_program, parts_program = sys.argv[1:]
    run = lambda *command: subprocess.run([node, *command], capture_output=True, text=True,
                                          check=True).stdout
    table = run(table_program)
    width = next(line.split("\t")[1] for line in table.splitlines() if line.startswith("window\t"))
    with open(template, encoding="utf-8") as file:
        page = file.read()
    with open(script, encoding="utf-8") as file:
        code = file.read().replace("</script", "<\\/script")
    notices, rules = font_faces(table)
    page = page.replace("{{title}}", html.escape(title))
    page = page.replace("{{font-notices}}", html.escape(notices)).replace("{{fonts}}", rules)
    page = page.replace("{{window-width}}", width)
    page = page.replace("{{phone-width}}", f"{int(width) - 1}.98")
    for part in ("look", "window", "phone", "markup"):
        page = page.replace("{{" + part + "}}", run(parts_program, part).strip())
    page = page.replace("{{script}}", code)
    # The policy stands before the scripts and styles, so the first marks are the policy's.
    page = page.replace("{{script-hashes}}", hashes(page, "script"), 1)
    page = page.replace("{{style-hashes}}", hashes(page, "style"), 1)
    with open(output, "w", encoding="utf-8") as file:
        file.write(page)


if __name__ == "__main__":
    main()
