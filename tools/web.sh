#!/usr/bin/env bash
# Builds the page: the window in one self-contained file, named as the package is, that any
# browser opens offline, from a file or a web server; and the site, a folder to serve from a web
# server, where the page installs as an app and works offline. Prints the page's path, then the
# site's.
#
# usage: tools/web.sh
set -euo pipefail
cd "$(dirname "$0")/.."
source tools/quietly.sh
tools/install-deps.sh web
quietly cmake --preset web
quietly cmake --build --preset web --target page
name=$(sed -n 's/^set(CPACK_PACKAGE_NAME \(.*\))$/\1/p' CMakeLists.txt)
echo "$PWD/build/web/web/$name.html"
echo "$PWD/build/web/web/site"
