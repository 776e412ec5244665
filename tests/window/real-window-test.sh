#!/usr/bin/env bash
# Starts the real program on the X server of DISPLAY (the xcb platform) once for each row below,
# at its scale factor and under its X keyboard layout. Each time it checks the window's size from
# outside, grabs the window and finds every separator line visible and crisp where the layout
# puts it, opens File, Experience and a growth item with the keys that layout has for their
# access letters, closes the message with Return, chooses File > Exit and requires the process to
# end by itself with status 0.
#
# usage: with-xvfb.sh real-window-test.sh PROGRAM DRIVER TITLE
set -euo pipefail

program=$1
driver=$2
title=$3
scratch=$(mktemp -d)
pid=""
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$scratch"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

# The scale as a desktop sets it; the layout; the keysyms typed for File (with Alt), Experience,
# a growth item and Exit; the item's title. Under Russian a key types no Latin letter and stands
# for the letter of its position; AZERTY's A (on the key at US Q) stands for itself.
runs=(
    "QT_SCALE_FACTOR=1 us f e m x Medium"
    "QT_SCALE_FACTOR=1.25 ru,us Cyrillic_a Cyrillic_u Cyrillic_softsign Cyrillic_che Medium"
    "QT_SCALE_FACTOR=1.5 fr f e a x Fast"
    "QT_SCALE_FACTOR=1.75 ru,us Cyrillic_a Cyrillic_u Cyrillic_ze Cyrillic_che Parabolic"
    "QT_SCALE_FACTOR=2 us f e s x Slow"
    "QT_SCREEN_SCALE_FACTORS=1.25 us f e a x Fast"
)
# Each line as "NAME LEFT TOP WIDTH" in twips, as the window builds it.
lines=$("$driver" <<<show-layout | awk -F'\t' '$2 == "line" { print $1, $3, $4, $5 }')

# The window of the program titled $1, once it shows.
find_window() {
    local window
    for _ in $(seq 100); do
        window=$(xdotool search --all --onlyvisible --pid "$pid" --name "^$1\$" 2>/dev/null)
        [[ -n $window ]] && { head -n 1 <<<"$window"; return; }
        sleep 0.1
    done
    fail "no visible window titled '$1'"
}

# Whether more than $1 windows of the program show within three seconds: a menu has opened.
opens_past() {
    for _ in $(seq 30); do
        (($(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | wc -l) > $1)) && return
        sleep 0.1
    done
    return 1
}

# Alt+$2 opens File, a popup of its own; on a busy machine the first key may come too early.
open_file_menu() {
    for _ in $(seq 5); do
        xdotool windowfocus --sync "$1" key --clearmodifiers "alt+$2"
        opens_past 1 && return
    done
    fail "Alt+$2 opened no menu"
}

# The lines that the grab ($1, a plain PGM) at scale $2 does not show as one crisp line where the
# layout puts it, each with its rows of device pixels from two above to three below that place,
# one character a row: "#" wholly black (the window text), "." wholly the background, "?" mixed.
# A crisp line is /^\.+#+\.+$/ with at most ceil(scale) rows of "#", the first within one row
# of the place. The client area is the grab's bottom 449 * scale rows.
crooked_lines() {
    awk -v scale="$2" -v lines="$lines" '
        BEGIN { RS = "[ \n]+"; count = split(lines, line, "\n") }
        NR == 2 { width = $1 }
        NR == 3 {
            client = $1 - int(449 * scale + 0.5)
            for (n = 1; n <= count; ++n) {
                split(line[n], f, " ")
                name[n] = f[1]; top[n] = int(client + f[3] / 15 * scale + 0.5)
                left[n] = int(f[2] / 15 * scale) + 2; right[n] = (f[2] + f[4]) / 15 * scale - 2
                for (y = top[n] - 2; y <= top[n] + 3; ++y) wanted[y]
            }
        }
        NR > 4 { i = NR - 5; y = int(i / width); if (y in wanted) pixel[i % width, y] = $1 }
        END {
            for (n = 1; n <= count; ++n) {
                rows = ""
                for (y = top[n] - 2; y <= top[n] + 3; ++y) {
                    value = pixel[left[n], y]
                    for (x = left[n]; x < right[n]; ++x) if (pixel[x, y] != value) value = "mixed"
                    if (y == top[n] - 2) background = value
                    rows = rows (value == "0" ? "#" : value == background ? "." : "?")
                }
                match(rows, /#+/)
                if (rows !~ /^\.+#+\.+$/ || RLENGTH > scale + 0.999 || RSTART < 2 || RSTART > 4)
                    print name[n], rows
            }
        }' "$1"
}

for run in "${runs[@]}"; do
    read -r setting layout file experience growth exit_key item <<<"$run"
    scale=${setting#*=}
    setxkbmap -layout "$layout"
    env "$setting" QT_QPA_PLATFORM=xcb "$program" &
    pid=$!
    window=$(find_window "$title")

    read -r width height < <(xwininfo -id "$window" |
        awk '/Width:/ { w = $2 } /Height:/ { print w, $2 }')
    awk -v w="$width" -v h="$height" -v s="$scale" 'BEGIN {
        exit !(w == int(466 * s + 0.5) && h - 449 * s >= 15 * s && h - 449 * s <= 40 * s) }' ||
        fail "$setting: window ${width}x$height, not 466 x 449 plus a menu bar, scaled"

    import -window "$window" -colorspace gray -depth 8 -compress none "pgm:$scratch/shot.pgm"
    crooked=$(crooked_lines "$scratch/shot.pgm" "$scale")
    [[ -z $crooked ]] || fail "$setting: lines not crisp where the layout puts them:"$'\n'"$crooked"

    open_file_menu "$window" "$file"
    xdotool key "$experience"
    opens_past 2 || fail "$layout: the key $experience did not open Experience"
    xdotool key "$growth"
    message=$(find_window "Vexlet Statistics - $item Growth")
    xdotool windowfocus --sync "$message" key Return
    open_file_menu "$window" "$file"
    xdotool key "$exit_key"
    for _ in $(seq 100); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -0 "$pid" 2>/dev/null && fail "$setting, $layout: the program did not end after Exit"
    status=0
    wait "$pid" || status=$?
    [[ $status -eq 0 ]] || fail "$setting, $layout: the program ended with status $status"
    echo "$setting, $layout: window ${width}x$height, crisp lines; $item Growth, Exit by their keys"
done
