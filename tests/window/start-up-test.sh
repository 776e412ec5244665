#!/usr/bin/env bash
# The program started from a shell once for each row below, with no display variable but those
# the row sets. Where no display can be reached it says so in one line that names a way to
# proceed and stops with status 1 instead of the toolkit's crash; Qt's own -platform option
# starts it without any display. Where fontconfig sees no look-alike font, it names the fonts
# and their packages in one line, and starts.
#
# usage: start-up-test.sh PROGRAM
set -uo pipefail
program=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
echo "<fontconfig><dir>/usr/share/fonts/truetype/dejavu</dir><cachedir>$scratch</cachedir>\
</fontconfig>" >"$scratch/fonts.conf"

# A display number that no X server here holds.
free=99
while [[ -e /tmp/.X11-unix/X$free || -e /tmp/.X$free-lock ]]; do ((++free)); done

# The variables a row sets | the arguments | the status, 124 for still running after five seconds
# | the program's own lines on standard error, as a pattern; with status 1 they are all it says.
rows=(
    "||1|vexlet-finder: *neither DISPLAY nor WAYLAND_DISPLAY*xvfb-run -a vexlet-finder"
    "DISPLAY=:$free||1|vexlet-finder: *DISPLAY=:$free cannot be reached*xvfb-run -a vexlet-finder"
    "|-platform typo|1|vexlet-finder: the window system could not start (*typo*QT_DEBUG_PLUGINS=1*"
    "|-platform offscreen|124|"
    "FONTCONFIG_FILE=$scratch/fonts.conf|-platform offscreen|124|vexlet-finder: fonts missing*\
Comic Neue (fonts-comic-neue), OCRA (fonts-ocr-a); install with: sudo apt install *"
)

failed=0
for row in "${rows[@]}"; do
    IFS='|' read -r setting arguments expected pattern <<<"$row"
    # shellcheck disable=SC2086 # the row's words are separate settings and arguments
    env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM $setting \
        timeout 5 "$program" $arguments 2>"$scratch/err" >/dev/null
    status=$?
    own=$(grep '^vexlet-finder:' "$scratch/err")
    # shellcheck disable=SC2053 # the pattern is a glob
    if [[ $status -ne $expected ]] || [[ $own != $pattern ]] ||
        { [[ $status -eq 1 ]] && [[ $(wc -l <"$scratch/err") -ne 1 ]]; }; then
        echo "FAIL: ${setting:-no display} ${arguments}: status $status, expected $expected; said:"
        cat "$scratch/err"
        failed=1
    fi
done
((failed)) || echo "no display or none in reach: one line, status 1; offscreen starts; fonts named"
exit $failed
