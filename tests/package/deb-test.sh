#!/usr/bin/env bash
# Builds the Debian package from this build tree, unpacks it into a scratch root with dpkg -x,
# and checks its files, its desktop entry and its dependencies.
#
# usage: deb-test.sh BUILD-DIR
set -uo pipefail
build=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; fail "cpack did not build the package"; }
deb=$(find "$scratch/out" -maxdepth 1 -name 'vexlet-finder_*.deb' | head -n 1)
[[ -n $deb ]] || fail "no vexlet-finder_*.deb"

root=$scratch/root
dpkg -x "$deb" "$root" || fail "dpkg -x failed"
for file in usr/bin/vexlet-finder usr/share/applications/vexlet-finder.desktop \
    usr/share/pixmaps/vexlet-finder.xpm; do
    [[ -f $root/$file ]] || fail "the package lacks /$file"
done
[[ -x $root/usr/bin/vexlet-finder ]] || fail "/usr/bin/vexlet-finder is not executable"
unexpected=$(cd "$root" && find . -type f | grep -v -e '^./usr/bin/vexlet-finder$' \
    -e '^./usr/share/applications/vexlet-finder.desktop$' -e '^./usr/share/pixmaps/vexlet-finder.xpm$')
[[ -z $unexpected ]] || fail "unexpected files: $unexpected"

desktop-file-validate "$root/usr/share/applications/vexlet-finder.desktop" ||
    fail "the desktop entry does not validate"
grep -qx 'Exec=vexlet-finder' "$root/usr/share/applications/vexlet-finder.desktop" ||
    fail "the desktop entry does not start vexlet-finder"
grep -qx 'Icon=vexlet-finder' "$root/usr/share/applications/vexlet-finder.desktop" ||
    fail "the desktop entry names another icon"
head -n 3 "$root/usr/share/pixmaps/vexlet-finder.xpm" | grep -q '"32 32 ' ||
    fail "the icon is not 32 x 32"

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 fonts-comic-neue fonts-ocr-a; do
    grep -q "\\b$package\\b" <<<"$depends" || fail "Depends lacks $package: $depends"
done
echo "$(basename "$deb"): files, desktop entry and Depends ($depends) as expected"
