#!/usr/bin/env bash
# Runs the program natively on Wayland: weston's headless backend with a runtime directory of
# its own, the program on Qt's wayland platform with no X display. Weston's scene graph must
# show the program's top-level window under the desktop id that matches its desktop entry; the
# program must stay up and write nothing to standard error.
#
# usage: wayland-test.sh PROGRAM TITLE APP-ID
set -uo pipefail
program=$1
title=$2
app_id=$3

runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=vexlet-test
unset DISPLAY
pids=()
cleanup() {
    kill "${pids[@]}" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$runtime"
}
trap cleanup EXIT
fail() { echo "FAIL: $*"; exit 1; }

# --debug lets weston-debug read the scene graph.
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 --debug \
    --log="$runtime/weston.log" 2>>"$runtime/weston.log" &
pids+=($!)
for _ in $(seq 100); do
    [[ -S $runtime/$WAYLAND_DISPLAY ]] && break
    sleep 0.1
done
[[ -S $runtime/$WAYLAND_DISPLAY ]] || { cat "$runtime/weston.log"; fail "weston did not start"; }

QT_QPA_PLATFORM=wayland "$program" >/dev/null 2>"$runtime/stderr" &
pid=$!
pids+=("$pid")

shown=""
for _ in $(seq 100); do
    shown=$(weston-debug scene-graph 2>/dev/null | grep -F "top-level window '$title' of $app_id,")
    [[ -n $shown ]] && break
    sleep 0.1
done
[[ -n $shown ]] || fail "weston shows no top-level window '$title' of $app_id"
sleep 2
kill -0 "$pid" 2>/dev/null || fail "the program ended by itself"
[[ -s $runtime/stderr ]] && { cat "$runtime/stderr"; fail "the program wrote to standard error"; }
echo "on Wayland:${shown#*View 0}; up 2 s later, nothing on standard error"
