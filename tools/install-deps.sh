#!/usr/bin/env bash
# Installs, from Debian's archive, the packages of the named groups that this machine lacks,
# plus any package named on the command line; for `test` also the page's audit from the npm
# registry. Quiet and quick when everything is there.
#
#   run      build the program and run its window (see packaging/runtime-packages)
#   test     the test suite, the fuzzers and the benchmarks
#   package  build and check the Debian package
#   web      build the page
#
# usage: tools/install-deps.sh GROUP... [PACKAGE...]
set -euo pipefail
cd "$(dirname "$0")/.."

# The look-alike fonts that the layout table names for the window's fonts, and what the package
# recommends: with the libraries, what the program needs at run time.
fonts=$(sed -n 's/^inline constexpr LookAlike [^{]*{"[^"]*", "\([^"]*\)".*/\1/p' form/window_layout.h)
runtime="$fonts $(sed -n 's/^Recommends: //p' packaging/runtime-packages | tr ',' ' ')"

declare -A groups=(
    # a C++20 compiler, the build tools, the number text's header-only libraries, Qt 6 Widgets,
    # rsvg-convert for the icons, and what the program needs at run time
    [run]="g++ cmake ninja-build libfast-float-dev libfmt-dev qt6-base-dev librsvg2-bin $runtime"
    # GoogleTest and Google Benchmark; an X server and tools to drive the real window, switch
    # its keyboard layout (setxkbmap) and grab it (ImageMagick's import); the AT-SPI bus and the
    # client screen readers use; a Wayland compositor; clang with libFuzzer and the sanitizer
    # runtimes; the page's three engines: Chromium and WebKit (MiniBrowser) driven through
    # WebDriver, Firefox through WebDriver BiDi over a WebSocket; nginx, the site's host
    [test]="libgtest-dev libgmock-dev libbenchmark-dev xvfb xauth x11-utils xdotool imagemagick
            x11-xkb-utils dbus at-spi2-core python3-pyatspi weston clang libclang-rt-14-dev
            chromium chromium-driver python3-selenium firefox-esr webkit2gtk-driver
            python3-websocket nginx"
    # file and dpkg-shlibdeps find the package's library dependencies; the checks a
    # distribution's reviewer runs; diffoscope shows how two builds differ
    [package]="file dpkg-dev desktop-file-utils lintian devscripts appstream diffoscope"
    # emscripten, the number text's libraries, fontconfig and fontTools to find the look-alike
    # fonts and embed them, subset, and rsvg-convert for the installed page's icons
    [web]="cmake ninja-build emscripten libfast-float-dev libfmt-dev fontconfig python3-fonttools
           python3-brotli librsvg2-bin $fonts"
)

# The page's audits, axe-core and Lighthouse, come from the npm registry at the versions that
# tests/web/package-lock.json pins, installed beside the page's tests by the machine's npm.
install_audits() {
    local name wanted installed
    while read -r name wanted; do
        installed=$(sed -n 's/^  "version": "\([^"]*\)",$/\1/p' \
            "tests/web/node_modules/$name/package.json" 2>/dev/null || true)
        [[ $installed == "$wanted" ]] && continue
        command -v npm >/dev/null || { echo "$0: npm is missing (it comes with Node.js)" >&2; exit 1; }
        echo "Installing from the npm registry what tests/web/package-lock.json pins"
        npm ci --prefix tests/web --no-audit --no-fund --silent
        return
    done < <(sed -n 's/^ *"\([^"]*\)": "\([0-9.]*\)",\{0,1\}$/\1 \2/p' tests/web/package.json)
}

packages=()
for word in "$@"; do
    if [[ -v groups[$word] ]]; then
        read -r -a members <<<"$(tr -s '[:space:]' ' ' <<<"${groups[$word]}")"
        packages+=("${members[@]}")
    else
        packages+=("$word")
    fi
done
[[ ${#packages[@]} -gt 0 ]] || { echo "usage: $0 GROUP... [PACKAGE...]" >&2; exit 2; }

# Without Debian's package tools nothing here can tell what is installed or install it: say what
# to install by hand, and let the build find out what is still missing.
if ! command -v dpkg-query >/dev/null || ! command -v apt-get >/dev/null; then
    echo "$0: this system has no apt-get or dpkg-query to check or install packages with;" \
        "install by hand what these Debian packages provide: ${packages[*]}" >&2
    [[ " $* " != *" test "* ]] || install_audits
    exit 0
fi

missing=()
for package in "${packages[@]}"; do
    status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
    [[ $status == "install ok installed" ]] || missing+=("$package")
done
if [[ ${#missing[@]} -gt 0 ]]; then
    echo "Installing: ${missing[*]}"
    # sudo drops the caller's environment, so the frontend goes on apt-get's own command line.
    as_root=(env DEBIAN_FRONTEND=noninteractive)
    [[ $(id -u) -eq 0 ]] || as_root=(sudo "${as_root[@]}")
    "${as_root[@]}" apt-get update -qq
    "${as_root[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
    # nginx's package starts the system's web server, open to the network; the tests start one of
    # their own, so a server that came with them is stopped and left off.
    if [[ " ${missing[*]} " == *" nginx "* ]] && command -v systemctl >/dev/null &&
        systemctl is-enabled --quiet nginx 2>/dev/null; then
        echo "Stopping and disabling the system's nginx service, which the tests do not use"
        "${as_root[@]}" systemctl disable --now --quiet nginx
    fi
fi
[[ " $* " != *" test "* ]] || install_audits
