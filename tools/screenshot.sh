#!/usr/bin/env bash
# Takes a screenshot of the real window under Xvfb into docs/window.png: the first species
# picked with the arrow key and calculated at the initial level.
#
# usage: tools/screenshot.sh [OUTPUT.png], from any folder; a relative OUTPUT is from it
set -euo pipefail
self=$(realpath "$0")
output=$(realpath -m "${1:-$(dirname "$self")/../docs/window.png}")
cd "$(dirname "$self")/.."

if [[ -z ${XVFB_SHOT:-} ]]; then
    tools/install-deps.sh run test
    cmake --preset dev >/dev/null
    cmake --build --preset dev --target vexlet-finder >/dev/null
    XVFB_SHOT=1 exec xvfb-run -a -s "-screen 0 640x520x24" "$self" "$output"
fi

QT_QPA_PLATFORM=xcb build/dev/desktop/vexlet-finder &
pid=$!
trap 'kill $pid 2>/dev/null || true' EXIT
window=""
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name "^Vexlet Statistics Finder" 2>/dev/null | head -n 1 || true)
    [[ -n $window ]] && break
    sleep 0.1
done
[[ -n $window ]] || { echo "the window did not appear" >&2; exit 1; }
xdotool windowfocus --sync "$window"
sleep 0.3
xdotool key Down    # the list has the focus: pick the first species
# Calculate: 5280,240 twips at 15 twips per pixel, below the menu bar.
menu_bar=$(($(xwininfo -id "$window" | awk '/Height:/ {print $2}') - 449))
xdotool mousemove --window "$window" $((5280 / 15 + 50)) $((menu_bar + 240 / 15 + 8)) click 1
sleep 0.5
mkdir -p "$(dirname "$output")"
import -window "$window" "$output"
echo "wrote $output"
