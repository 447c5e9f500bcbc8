#!/usr/bin/env bash
# The menu's other pages as a player opens them: controls and credits, each
# with its back button, the row the controls and credits buttons share
# (both pages are asked for, the controls page shows), and quit ending the
# game with status 0 and no statistics.
# Many screenshots to compare: more time than the usual bound.
export E2E_LIMIT=${E2E_LIMIT:-480}
source "$(dirname "$0")/lib/common.sh"
run_headless "$0" "$@"

work=$(make_workdir)
trap 'rm -rf "$work"' EXIT
menu=$TAVIR_DATA_DIR/Textures/MainMenu
main=$menu/mainMenu.bmp controls=$menu/controls.bmp credits=$menu/credits.bmp

start_game "$work/game"
wait_for_window 60 || fail "no window; stderr: $(cat "$work/game.err")"
xdotool mousemove 20 20
await_picture "$work/main.png" "main page" 290 200 8 "$menu/startButtonUp.bmp" "$menu/startButtonOver.bmp"

# open_page NAME X Y PAGE OTHER...: a click at (X, Y) shows PAGE with its
# back button, which follows the pointer and returns to the main page.
open_page() {
    local name=$1 x=$2 y=$3 page=$4
    shift 4
    xdotool mousemove "$x" "$y" click 1
    # The page's middle, above its back button.
    await_picture "$work/$name.png" "$name page" 0 0 100 "$page" "$@"
    # The back button keeps its hover from the last page until the pointer
    # moves on this one.
    xdotool mousemove 100 100
    await_picture "$work/$name-up.png" "$name page back button" 450 500 8 "$menu/backButtonUp.bmp" \
        "$menu/backButtonOver.bmp"
    xdotool mousemove 560 530
    await_picture "$work/$name-over.png" "$name page back button under the pointer" 450 500 8 \
        "$menu/backButtonOver.bmp" "$menu/backButtonUp.bmp"
    xdotool click 1
    xdotool mousemove 20 20
    await_picture "$work/$name-back.png" "main page after $name" 290 200 8 "$menu/startButtonUp.bmp" \
        "$menu/backButtonUp.bmp"
}

open_page controls 400 290 "$controls" "$credits" "$main"
open_page credits 400 350 "$credits" "$controls" "$main"
open_page shared-row 400 320 "$controls" "$credits" "$main"

xdotool mousemove 400 410 click 1
wait_for_exit 30 || fail "quit did not end the game"
[ "$GAME_STATUS" -eq 0 ] || fail "quit: exit status $GAME_STATUS; stderr: $(cat "$work/game.err")"
! grep -q '^Frames rendered' "$work/game.out" || fail "quit printed statistics"
echo "menu_pages: ok"
