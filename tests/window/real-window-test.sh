#!/usr/bin/env bash
# Starts the real program on the X server of DISPLAY (the xcb platform) once for each row below,
# at its scale factor and under its X keyboard layout. Each time it grabs the window, checks its
# size and finds every separator line visible and crisp where the layout puts it, opens File,
# Experience and a growth item with the keys that layout has for their access letters, closes
# the message with Return, chooses File > Exit and requires the process to end with status 0.
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

# Runs COMMAND until it succeeds, for ten seconds at most.
await() { for _ in $(seq 100); do "$@" 2>/dev/null && return; sleep 0.1; done; return 1; }
shows() { xdotool search --all --onlyvisible --pid "$pid" --name "^$1\$"; }
opened() { (($(xdotool search --onlyvisible --pid "$pid" | wc -l) > $1)); }
ended() { ! kill -0 "$pid"; }
# Alt+$2 opens File; on a busy machine the first key may come too early.
open_file() {
    for _ in $(seq 5); do
        xdotool windowfocus --sync "$1" key --clearmodifiers "alt+$2"
        await opened 1 && return
    done
    fail "Alt+$2 opened no menu"
}

# What is wrong in the grab ($1, a plain PGM) at scale $2: its size, if it is not the client
# area of 466 x 449 pixels with a menu bar above, scaled; each line not shown crisp where the
# layout puts it, with its device rows from two above that place to three below, "#" wholly
# black (the window text), "." wholly the background, "?" anything else. A crisp line is
# /^\.+#+\.+$/, at most ceil(scale) rows of "#" from within one row of the place.
faults() {
    awk -v s="$2" -v lines="$lines" 'BEGIN { RS = "[ \n]+"; n = split(lines, line, "\n") }
        NR == 2 { width = $1 }
        NR == 3 {
            client = $1 - int(449 * s + 0.5)
            if (width != int(466 * s + 0.5) || client < 15 * s || client > 40 * s)
                print "window " width "x" $1
            for (i = 1; i <= n; ++i) {
                split(line[i], f, " "); top[i] = int(client + f[3] * s / 15 + 0.5)
                for (y = top[i] - 2; y <= top[i] + 3; ++y) wanted[y]
            }
        }
        NR > 4 { i = NR - 5; y = int(i / width); if (y in wanted) pixel[i % width, y] = $1 }
        END {
            for (i = 1; i <= n; ++i) {
                split(line[i], f, " "); rows = ""
                for (y = top[i] - 2; y <= top[i] + 3; ++y) {
                    v = pixel[int(f[2] * s / 15) + 2, y]
                    for (x = int(f[2] * s / 15) + 2; x < (f[2] + f[4]) * s / 15 - 2; ++x)
                        if (pixel[x, y] != v) v = "?"
                    if (y == top[i] - 2) background = v
                    rows = rows (v == "0" ? "#" : v == background ? "." : "?")
                }
                match(rows, /#+/)
                if (rows !~ /^\.+#+\.+$/ || RLENGTH > s + 0.999 || RSTART > 4) print f[1], rows
            }
        }' "$1"
}

# Whether the grab of $window shows every line crisp at the scale of $setting; else the faults
# are in $found. A window that shows may not be painted yet (a build with sanitizers paints
# late), so the grab is taken again until it is right, or ten seconds have passed.
crisp() {
    import -window "$window" -colorspace gray -depth 8 -compress none "pgm:$scratch/shot.pgm"
    found=$(faults "$scratch/shot.pgm" "${setting#*=}")
    [[ -z $found ]]
}

for run in "${runs[@]}"; do
    read -r setting layout file experience growth exit_key item <<<"$run"
    setxkbmap -layout "$layout"
    env "$setting" QT_QPA_PLATFORM=xcb "$program" &
    pid=$!
    window=$(await shows "$title") || fail "no visible window titled '$title'"
    await crisp || fail "$setting:"$'\n'"$found"

    open_file "$window" "$file"
    xdotool key "$experience"
    await opened 2 || fail "$layout: the key $experience did not open Experience"
    xdotool key "$growth"
    message=$(await shows "Vexlet Statistics - $item Growth") || fail "$layout: no $item Growth"
    xdotool windowfocus --sync "$message" key Return
    open_file "$window" "$file"
    xdotool key "$exit_key"
    await ended || fail "$setting, $layout: the program did not end after Exit"
    status=0
    wait "$pid" || status=$?
    [[ $status -eq 0 ]] || fail "$setting, $layout: the program ended with status $status"
    echo "$setting, $layout: every line crisp; $item Growth and Exit by their keys"
done
