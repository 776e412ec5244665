#!/usr/bin/env python3
"""Builds the one-file page: the template with the window's markup and style sheets (so that
it shows before the script runs), the linked script and its wasm, the look-alike fonts that the
layout table names for the window's fonts, each subset to the characters the window draws
(printable ASCII) and embedded as WOFF2, and a security policy that names the page's scripts and
style sheets by their hashes.

With --site, also the page as an app that installs and works offline, for a web server: the
same page as index.html with its description, its manifest and the registration of its service
worker, the manifest, the worker, the icons, rendered from the program's icon, and robots.txt;
each text file compressed beside it as well.

usage: build-page.py --template T --script S --wasm W --title TITLE --node NODE
                     --table LAYOUT-TABLE --parts PAGE-PARTS --output PAGE
                     [--site DIR --worker W --icon SVG --name NAME --short-name SHORT
                      --description TEXT --package PACKAGE]
"""

import argparse
import base64
import functools
import gzip
import hashlib
import html
import io
import json
import os
import re
import subprocess
import sys
import xml.etree.ElementTree as ElementTree

from fontTools import subset

DRAWN = range(0x20, 0x7F)
PLACEHOLDER = re.compile(r"{{(.*?)}}")
FONTCONFIG_WEIGHTS = {400: 80, 700: 200}


@functools.cache
def package_faces(package):
    """What fontconfig reads of each font file of a Debian package, a line each: families,
    weight, slant, width and file."""
    listed = subprocess.run(["dpkg", "-L", package], capture_output=True, text=True)
    files = [path for path in listed.stdout.splitlines() if path.endswith((".ttf", ".otf"))]
    if listed.returncode != 0 or not files:
        sys.exit(f"build-page.py: the font package {package} is not installed "
                 "(tools/install-deps.sh web)")
    described = "%{family}\t%{weight}\t%{slant}\t%{width}\t%{file}\n"
    return subprocess.run(["fc-scan", "-f", described, *sorted(files)],
                          capture_output=True, text=True, check=True).stdout


def font_file(family, weight, package):
    """The file of a family at a weight, upright and of normal width, among the files of the
    Debian package that the layout table names for it, not the one fontconfig's configuration
    would choose, which may be a font the user installed. Where the package has no file of that
    weight, the nearest lighter or heavier one."""
    scanned = package_faces(package)
    faces = sorted((abs(int(found) - FONTCONFIG_WEIGHTS[weight]), int(found), path)
                   for families, found, slant, width, path in
                   (line.split("\t") for line in scanned.splitlines())
                   if family in families.split(",") and slant == "0" and width == "100"
                   and found.isdigit())  # a variable font's range of weights is no match
    if not faces:
        sys.exit(f"build-page.py: {package} holds no upright {family}")
    return faces[0][2]


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
        path = font_file(family, weight, package)
        if path not in embedded:
            embedded.add(path)
            rules.append(font_face(family, weight, path))
    return "\n".join(notices.values()), "\n".join(rules)


def filled(template, values, name):
    """`template` with each {{placeholder}} replaced by its value, in one pass, so that no value
    is read for placeholders. A placeholder without a value, or a value without its placeholder
    (either is a misspelling), stops the build."""
    wanted = set(PLACEHOLDER.findall(template))
    for missing, where in ((wanted - values.keys(), "has no value for"),
                           (values.keys() - wanted, "has no place for")):
        if missing:
            sys.exit(f"build-page.py: {name} {where} " + ", ".join(sorted(missing)))
    return PLACEHOLDER.sub(lambda match: values[match[1]], template)


def hashes(page, tag):
    """The sources that name each of the page's `tag` elements by its hash."""
    return " ".join(
        "'sha256-" + base64.b64encode(hashlib.sha256(code.encode()).digest()).decode() + "'"
        for code in re.findall(f"<{tag}>(.*?)</{tag}>", page, re.DOTALL))


# The icons: the manifest's, as they are and on a square a mask of any shape leaves whole (the
# safe zone, a circle of 80 % of the side); and the one a phone's home screen takes, opaque,
# since it fills what is transparent with black.
ICONS = [("icon-192.png", 192, "any", None), ("icon-512.png", 512, "any", None),
         ("icon-maskable-512.png", 512, "maskable", 96)]
TOUCH_ICON = ("apple-touch-icon.png", 180, None, 18)
# Search engines may read every page of the site.
ROBOTS = "User-agent: *\nAllow: /\n"
# Text files, which the site holds compressed as well where that makes them smaller, for hosts
# that send them so.
COMPRESSED = (".html", ".js", ".webmanifest", ".txt")
# What the site adds to the page: its description for search engines, its manifest, its icons,
# and its worker, which the policy allows from the site itself and nowhere else. A visit where a
# worker is already active asks for its new version at once, rather than whenever the browser
# gets round to it (a visit while one installs would disturb that install in WebKit). A worker
# that cannot be registered (a first visit offline; an address without its trailing
# slash, from which the worker's name leads elsewhere) leaves the page as it is, without the
# offline copy. Its lines follow the title's, where the template
# holds its place, so that the page alone has no empty line there.
SITE_HEAD = """
<meta name="description" content="{description}">
<link rel="manifest" href="manifest.webmanifest">
<link rel="icon" href="icon-192.png">
<link rel="apple-touch-icon" href="apple-touch-icon.png">
<meta name="theme-color" content="{theme}">
<script>
if ("serviceWorker" in navigator) {{
  navigator.serviceWorker.register("service-worker.js").then(function (registration) {{
    if (registration.active) registration.update().catch(function () {{}}); // none offline
  }}, function (error) {{
    console.warn(document.title + " will not work offline from this address: " + error.message);
  }});
}}
</script>"""
# The page itself asks for nothing, but an auditor run within it (Lighthouse) reads the site's
# robots.txt from there.
SITE_POLICY = "; manifest-src 'self'; img-src 'self'; worker-src 'self'; connect-src 'self'"


def with_policy(template, values):
    """The page, its security policy naming its scripts and style sheets by their hashes: those
    of the page filled without them, which differs from it in the policy alone."""
    draft = filled(template, values | {"script-hashes": "", "style-hashes": ""}, "the template")
    return filled(template, values | {"script-hashes": hashes(draft, "script"),
                                      "style-hashes": hashes(draft, "style")}, "the template")


def icon_on_square(svg_path, theme, size, margin):
    """The icon in the middle of an opaque square `size` px wide, of the window's colour, with
    `margin` px around it."""
    ElementTree.register_namespace("", "http://www.w3.org/2000/svg")
    icon = ElementTree.parse(svg_path).getroot()
    for name, value in (("x", margin), ("y", margin), ("width", size - 2 * margin),
                        ("height", size - 2 * margin)):
        icon.set(name, str(value))
    square = ElementTree.Element(icon.tag, {"width": str(size), "height": str(size),
                                            "viewBox": f"0 0 {size} {size}"})
    ElementTree.SubElement(square, icon.tag.replace("svg", "rect"),
                           {"width": str(size), "height": str(size), "fill": theme})
    square.append(icon)
    return ElementTree.tostring(square)


def write_site(arguments, template, values):
    os.makedirs(arguments.site, exist_ok=True)
    # The site's colour is the window's face, as the template's style sheet names it.
    face = re.search(r"--face: (#[0-9a-f]{6});", template)
    if not face:
        sys.exit("build-page.py: the template names no --face colour")
    theme = face[1]
    head = SITE_HEAD.format(theme=theme, description=html.escape(arguments.description))
    site_page = with_policy(template, values | {"site-head": head, "site-policy": SITE_POLICY})
    files = {"index.html": site_page.encode(), "robots.txt": ROBOTS.encode()}
    for name, size, purpose, margin in (*ICONS, TOUCH_ICON):
        source = None if margin is None else icon_on_square(arguments.icon, theme, size, margin)
        files[name] = subprocess.run(
            ["rsvg-convert", "--width", str(size), "--height", str(size)]
            + ([] if source else [arguments.icon]),
            input=source, capture_output=True, check=True).stdout
    # The app is known by the package's name wherever it is published.
    manifest = {"id": arguments.package, "name": arguments.name,
                "short_name": arguments.short_name, "description": arguments.description,
                "start_url": ".", "scope": ".", "display": "standalone",
                "background_color": theme, "theme_color": theme,
                "icons": [{"src": name, "sizes": f"{size}x{size}", "type": "image/png",
                           "purpose": purpose} for name, size, purpose, _ in ICONS]}
    files["manifest.webmanifest"] = (json.dumps(manifest, indent=2) + "\n").encode()
    # The worker's version names the files it keeps and the worker itself: a new page or a new
    # worker makes a new version, which never fills the cache the version before answers from.
    with open(arguments.worker, encoding="utf-8") as file:
        template = file.read()
    version = hashlib.sha256(b"".join(files[name] for name in sorted(files))
                             + template.encode()).hexdigest()[:16]
    digests = {name: hashlib.sha256(files[name]).hexdigest() for name in sorted(files)}
    worker = filled(template, {"package": arguments.package, "version": version,
                               "files": json.dumps(digests, indent=2)},
                    "the worker")
    files["service-worker.js"] = worker.encode()
    for name in [name for name in files if name.endswith(COMPRESSED)]:
        # No time or name in the header, so that the same files give the same bytes.
        packed = gzip.compress(files[name], compresslevel=9, mtime=0)
        if len(packed) < len(files[name]):
            files[name + ".gz"] = packed
    for name, data in files.items():
        with open(os.path.join(arguments.site, name), "wb") as file:
            file.write(data)


def main():
    parser = argparse.ArgumentParser()
    for option in ("template", "script", "wasm", "title", "node", "table", "parts", "output"):
        parser.add_argument("--" + option, required=True)
    for option in ("site", "worker", "icon", "name", "short-name", "description", "package"):
        parser.add_argument("--" + option)
    arguments = parser.parse_args()

    def run(*command):
        return subprocess.run([arguments.node, *command], capture_output=True, text=True,
                              check=True).stdout

    table = run(arguments.table)
    width = next(line.split("\t")[1] for line in table.splitlines() if line.startswith("window\t"))
    with open(arguments.template, encoding="utf-8") as file:
        template = file.read()
    notices, rules = font_faces(table)
    values = {"title": html.escape(arguments.title), "font-notices": html.escape(notices),
              "fonts": rules, "window-width": width, "phone-width": f"{int(width) - 1}.98"}
    window_id = [line.split("\t")[2] for line in table.splitlines()
                 if line.startswith("id\twindow\t")]
    if not window_id:
        sys.exit("build-page.py: the layout table names no window id")
    values["window-id"] = window_id[0]
    for part in ("look", "window", "phone", "markup", "message"):
        values[part] = run(arguments.parts, part).strip()
    with open(arguments.script, encoding="utf-8") as file:
        values["script"] = file.read().replace("</script", "<\\/script")
    with open(arguments.wasm, "rb") as file:
        values["wasm"] = base64.b64encode(file.read()).decode()
    with open(arguments.output, "w", encoding="utf-8") as file:
        file.write(with_policy(template, values | {"site-head": "", "site-policy": ""}))
    if arguments.site:
        write_site(arguments, template, values)


if __name__ == "__main__":
    main()
