#!/usr/bin/env bash
# Builds the Debian package from this build tree and checks it as a distribution's reviewer
# would: lintian --pedantic with nothing to say, a hardened binary, valid AppStream metadata, the
# desktop entry whole and matching the running window's class, the files a desktop needs, icons
# at their sizes, and the dependencies.
#
# usage: with-xvfb.sh deb-test.sh BUILD-DIR APP-ID WINDOW-TITLE
set -uo pipefail
build=$1
app_id=$2
title=$3
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

cpack --config "$build/CPackConfig.cmake" -B "$scratch/out" >"$scratch/cpack.log" 2>&1 ||
    { cat "$scratch/cpack.log"; fail "cpack did not build the package"; }
deb=$(find "$scratch/out" -maxdepth 1 -name 'vexlet-finder_*.deb' | head -n 1)
[[ -n $deb ]] || fail "no vexlet-finder_*.deb"

# lintian says it runs as root; anything else it says is a finding.
findings=$(lintian --pedantic "$deb" 2>&1 | grep -v '^running with root privileges')
[[ -z $findings ]] || fail "lintian --pedantic reports:"$'\n'"$findings"

root=$scratch/root
dpkg -x "$deb" "$root" || fail "dpkg -x failed"
expected=(
    usr/bin/vexlet-finder
    usr/share/applications/$app_id.desktop
    usr/share/metainfo/$app_id.metainfo.xml
    usr/share/icons/hicolor/scalable/apps/$app_id.svg
    usr/share/icons/hicolor/32x32/apps/$app_id.png
    usr/share/icons/hicolor/64x64/apps/$app_id.png
    usr/share/icons/hicolor/128x128/apps/$app_id.png
    usr/share/man/man1/vexlet-finder.1.gz
    usr/share/doc/vexlet-finder/copyright
    usr/share/doc/vexlet-finder/changelog.gz
)
actual=$(cd "$root" && find . -type f | sed 's|^\./||' | sort)
[[ $actual == "$(printf '%s\n' "${expected[@]}" | sort)" ]] ||
    fail "the package holds:"$'\n'"$actual"

# Control-flow protection is left out: Debian 12's C start-up files carry no IBT/SHSTK note,
# so no binary linked against them can have one.
hardening=$(hardening-check --nocfprotection "$root/usr/bin/vexlet-finder") ||
    fail "the binary is not hardened:"$'\n'"$hardening"

metainfo=$root/usr/share/metainfo/$app_id.metainfo.xml
validation=$(appstreamcli validate --pedantic --no-net "$metainfo")
status=$?
[[ $status -eq 0 ]] && ! grep -q '^[EW]:' <<<"$validation" ||
    fail "the AppStream metadata does not validate:"$'\n'"$validation"

desktop=$root/usr/share/applications/$app_id.desktop
desktop-file-validate "$desktop" || fail "the desktop entry does not validate"
expected_entry="[Desktop Entry]
Type=Application
Name=Vexlet Statistics Finder
GenericName=Creature statistics calculator
Comment=Base values, stat ranges and experience figures for every Vexlet species
Exec=vexlet-finder
Icon=$app_id
Terminal=false
StartupWMClass=vexlet-finder
Categories=Game;RolePlaying;
Keywords=Vexlet;statistics;experience;level;"
[[ $(<"$desktop") == "$expected_entry" ]] || fail "the desktop entry reads:"$'\n'"$(<"$desktop")"

# A launcher finds its window by the class the window gives itself, as xprop reads it.
QT_QPA_PLATFORM=xcb "$root/usr/bin/vexlet-finder" &
program=$!
window=""
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n 1)
    [[ -n $window ]] && break
    sleep 0.1
done
wm_class=$(xprop -id "$window" WM_CLASS 2>&1)
kill "$program"
wait "$program" 2>/dev/null
startup_class=$(sed -n 's/^StartupWMClass=//p' "$desktop")
[[ $wm_class == *", \"$startup_class\"" ]] ||
    fail "the window's class ($wm_class) is not the entry's StartupWMClass"

for size in 32 64 128; do
    png=$root/usr/share/icons/hicolor/${size}x$size/apps/$app_id.png
    file "$png" | grep -q "PNG image data, $size x $size," ||
        fail "the ${size}x$size icon is not a PNG of that size: $(file "$png")"
done

depends=$(dpkg-deb -f "$deb" Depends)
for package in libqt6widgets6 fonts-comic-neue fonts-ocr-a; do
    grep -q "\\b$package\\b" <<<"$depends" || fail "Depends lacks $package: $depends"
done
[[ $(dpkg-deb -f "$deb" Recommends) == qt6-wayland ]] || fail "Recommends is not qt6-wayland"
[[ $(dpkg-deb -f "$deb" Suggests) == xvfb ]] || fail "Suggests is not xvfb"

echo "$(basename "$deb"): lintian --pedantic silent; hardened; AppStream and desktop entry valid"
echo "$wm_class"
echo "$hardening"
echo "$validation"
