#!/usr/bin/env bash
# The real sdl backend in a real window under Xvfb: the window has the game's caption, the title
# screen answers keys, F11 writes a screenshot, and Alt+F4 ends through the closing screen.
# Usage: smoke.sh PROGRAM FILES_DIR
set -euo pipefail

inner() {
    local program=$1 log=Files/Debug.txt
    fail() { echo "smoke: $*"; tail -n 20 "$log" 2>/dev/null || true; kill "$pid" 2>/dev/null || true; exit 1; }
    wait_for() { # seconds, then a command that must come true
        local seconds=$1; shift
        for _ in $(seq 1 $((seconds * 10))); do "$@" && return 0; sleep 0.1; done
        return 1
    }
    "$program" >program.out 2>&1 &
    pid=$!
    wait_for 60 grep -q "Finished Loading" "$log" 2>/dev/null || fail "start-up did not finish"
    win=""
    wait_for 20 eval 'win=$(xdotool search --onlyvisible --name "^#279 : Bodger Thump$" 2>/dev/null | head -n 1); [ -n "$win" ]' ||
        fail "no window with the caption '#279 : Bodger Thump'"
    # The loading phase lasts 2.5 s; then the title screen runs.
    sleep 4
    xdotool windowfocus --sync "$win"
    xdotool key F11
    wait_for 30 eval 'ls Files/*Screenshot*.png >/dev/null 2>&1' || fail "F11 wrote no screenshot"
    first=$(ls Files/*Screenshot*.png | head -n 1)
    # The About tab: the title screen answers, so the next screenshot differs from the first.
    sleep 1.2
    xdotool keydown 3
    sleep 0.5
    xdotool keyup 3
    sleep 1
    xdotool key F11
    wait_for 30 eval '[ "$(ls Files/*Screenshot*.png | wc -l)" -ge 2 ]' || fail "the second F11 wrote nothing"
    second=$(ls Files/*Screenshot*.png | grep -v -F "$first" | head -n 1)
    cmp -s "$first" "$second" && fail "the title screen did not answer the 3 key"
    xdotool keydown alt+F4
    wait_for 20 grep -q "Play again, soon!!" "$log" || fail "Alt+F4 did not reach the closing screen"
    xdotool keyup alt+F4
    sleep 0.5
    xdotool key space
    wait_for 20 eval '! kill -0 '"$pid"' 2>/dev/null' || fail "the closing screen did not end the program"
    wait "$pid" && code=0 || code=$?
    [ "$code" -eq 0 ] || fail "exit code $code"
    grep -q "^\[Graphics\]" Files/Setup.ini || fail "Setup.ini was not written"
    echo "smoke: caption, title keys, two screenshots, Alt+F4 and the closing screen all fine"
}
if [ "${1:-}" = "--inside" ]; then
    inner "$2"
    exit 0
fi
program=$(realpath "$1")
files=$(realpath "$2")
script=$(realpath "$0")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
cp -r "$files" "$work/Files"
cd "$work"
xvfb-run -a -s "-screen 0 1024x768x24" bash "$script" --inside "$program"
