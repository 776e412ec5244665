#!/usr/bin/env bash
# Starts the real program on the X server of DISPLAY (the xcb platform), checks its title and
# size from outside, opens File with Alt+F, chooses Exit with its access key, and requires the
# process to end by itself with status 0.
#
# usage: with-xvfb.sh real-window-test.sh PROGRAM TITLE
set -euo pipefail

program=$1
title=$2
fail() { echo "FAIL: $*"; kill "$pid" 2>/dev/null || true; exit 1; }

QT_QPA_PLATFORM=xcb "$program" &
pid=$!

window=""
for _ in $(seq 100); do
    window=$(xdotool search --onlyvisible --name "^${title}\$" 2>/dev/null | head -n 1 || true)
    [[ -n $window ]] && break
    sleep 0.1
done
[[ -n $window ]] || fail "no visible window titled '$title'"

info=$(xwininfo -id "$window")
width=$(awk '/Width:/ {print $2}' <<<"$info")
height=$(awk '/Height:/ {print $2}' <<<"$info")
# The client area is 466 x 449 pixels (6990 x 6735 twips); the menu bar sits above it.
[[ $width -eq 466 ]] || fail "window width $width, expected 466"
menu_bar=$((height - 449))
((menu_bar >= 15 && menu_bar <= 40)) || fail "window height $height: not 449 plus a menu bar"

visible_windows() { xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l; }

# Alt+F opens File, a popup of its own; on a busy machine the first key may come too early.
opened=0
for _ in $(seq 5); do
    xdotool windowfocus --sync "$window"
    xdotool key --clearmodifiers alt+f
    for _ in $(seq 30); do
        (($(visible_windows) > 1)) && { opened=1; break; }
        sleep 0.1
    done
    ((opened)) && break
done
((opened)) || fail "Alt+F opened no menu"
xdotool key x

for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end after File > Exit"
status=0
wait "$pid" || status=$?
[[ $status -eq 0 ]] || fail "the program ended with status $status"
echo "window ${width}x${height} titled '$title'; File > Exit ended it with status 0"
