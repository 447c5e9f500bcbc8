#!/usr/bin/env bash
# What a new player meets first, as the real game counts it: its F12 frame
# statistics (frames rendered, frames late) for three runs:
#   menu    the main menu left open over the village for 10 s;
#   opening start-up, Start, the intro picture, 4 s of the opening flight,
#           Escape, then 3 s of walking;
#   village the same start (Escape out of the flight at once), then 10 s
#           walking from the home island's start into the village.
# A measurement, not a test; run it from the checkout after a build:
#     bash bench/first_screens.sh [build]
set -u
here=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$here/build}" && pwd)
export TAVIR_BIN=$build/tavir TAVIR_DATA_DIR=$build/data HEADLESS_RUN=$here/scripts/headless-run.sh
source "$here/tests/e2e/lib/common.sh"
run_headless "$0" "$@"

menu=$TAVIR_DATA_DIR/Textures/MainMenu
story=$TAVIR_DATA_DIR/Story
work=$(make_workdir)
trap 'rm -rf "$work"' EXIT

# run NAME: starts the game; the caller plays, then report quits and prints.
report() {
    xdotool key F12
    wait_for_exit 60 || fail "$1: the game did not quit on F12"
    local rendered late
    rendered=$(sed -n 's/^Frames rendered: //p' "$work/game.out")
    late=$(sed -n 's/^Frames rendered late: //p' "$work/game.out")
    [ -n "$rendered" ] && [ -n "$late" ] || fail "$1: no frame statistics: $(tail -3 "$work/game.out")"
    awk -v n="$1" -v r="$rendered" -v l="$late" 'BEGIN { printf "%-8s %5d frames, %5d late (%.1f%%)\n", n, r, l, 100 * l / r }'
}

into_menu() {
    start_game "$work/game"
    wait_for_window 60 || fail "no window; stderr: $(cat "$work/game.err")"
    await_picture "$work/menu.png" "start button" 290 200 8 "$menu/startButtonUp.bmp" "$menu/resumeButtonUp.bmp" ||
        fail "no main menu"
}

into_flight() {
    xdotool mousemove 400 230 click 1
    await_picture "$work/intro.png" "intro picture" 0 0 0 "$story/IntroStory.bmp" "$story/GameOverStory.bmp" ||
        fail "no intro picture"
    xdotool key Escape
}

# The timings below are the runs' own lengths: what is measured is the game
# running through them.
into_menu
sleep 10
report menu

into_menu
into_flight
sleep 4
xdotool key Escape
xdotool keydown w
sleep 3
xdotool keyup w
report opening

into_menu
into_flight
sleep 0.5
xdotool key Escape
xdotool keydown w
sleep 10
xdotool keyup w
report village
