#!/usr/bin/env bash
# playthrough
# A game as a player starts it: the menu over the live world with buttons
# that follow the pointer, start and the intro picture, Escape into the
# opening flight and again out of it, Escape in play back to the menu with
# Resume, Resume straight back to play, and quit.
# A long walk through the game: more time than the usual bound.
export E2E_LIMIT=${E2E_LIMIT:-480}
source "$(dirname "$0")/lib/common.sh"
run_headless "$0" "$@"

work=$(make_workdir)
trap 'rm -rf "$work"' EXIT
menu=$TAVIR_DATA_DIR/Textures/MainMenu
story=$TAVIR_DATA_DIR/Story
start_up=$menu/startButtonUp.bmp start_over=$menu/startButtonOver.bmp start_down=$menu/startButtonDown.bmp

start_game "$work/game"
wait_for_window 60 || fail "no window; stderr: $(cat "$work/game.err")"
xdotool mousemove 20 20

await_picture "$work/menu.png" "start button at start" 290 200 8 "$start_up" "$start_over" "$start_down" \
    "$menu/resumeButtonUp.bmp"
# Where the page is clear the terrain shows, not an empty screen.
crop "$work/menu.png" 150x300+0+250 "$work/side.png"
colours=$(colour_count "$work/side.png")
[ "$colours" -gt 20 ] || fail "no world beside the menu ($colours colours)"

xdotool mousemove 400 230
await_picture "$work/over.png" "start button under the pointer" 290 200 8 "$start_over" "$start_up" "$start_down"
xdotool mousedown 1
await_picture "$work/down.png" "start button pressed" 290 200 8 "$start_down" "$start_up" "$start_over"
# Let go elsewhere: no click, the menu stays.
xdotool mousemove 20 20 mouseup 1
await_picture "$work/let-go.png" "start button let go outside" 290 200 8 "$start_up" "$start_over" "$start_down"

xdotool mousemove 400 230 click 1
await_picture "$work/intro.png" "intro picture after start" 0 0 0 "$story/IntroStory.bmp" "$story/GameOverStory.bmp"

# The opening flight: the camera moves from one screenshot to the next.
xdotool key Escape
await_gone "$work/flight1.png" "Escape left the intro picture up" 0 0 "$story/IntroStory.bmp"
await_change "$work/flight2.png" "$work/flight1.png" "the flight's camera stands still"
moved=$(screen_distance "$work/flight1.png" "$work/flight2.png")

# Escape again: the camera is the hero's, still while nobody moves (the
# flight would go on moving for many more looks); wandering spirits move a
# little of the picture on their own.
xdotool key Escape
E2E_STILL_GAP=1 await_still "$work/play2.png" 0.03 RMSE 2
still=$SEEN
left=$(screen_distance "$work/flight2.png" "$work/play2.png")
is_more "$left" 0.04 || fail "the view did not change when the flight was skipped ($left)"

# Escape in play: the menu over the frozen world, offering Resume.
xdotool key Escape
await_picture "$work/resume-menu.png" "resume button in a game" 290 200 8 "$menu/resumeButtonUp.bmp" "$start_up" \
    "$menu/resumeButtonOver.bmp"
xdotool mousemove 400 230 click 1
# Back in play the button no longer shows (a shown picture is within 0.08)
# and the view is the one left, as near as the wandering spirits let a
# still view be (the bound play2 was taken at).
back_in_play() {
    local view button
    screenshot "$work/resumed.png"
    view=$(screen_distance "$work/play2.png" "$work/resumed.png")
    button=$(picture_distance "$work/resumed.png" 290 200 "$menu/resumeButtonUp.bmp" 8)
    SEEN="$view from the view before the menu, $button from the resume button"
    is_less "$view" 0.03 && is_more "$button" 0.08
}
await "Resume did not return to the game's view" 20 back_in_play
d=$(picture_distance "$work/resumed.png" 0 0 "$story/IntroStory.bmp")
is_more "$d" 0.2 || fail "Resume showed the intro picture"

# Quit from the menu of a started game.
xdotool key Escape
await_picture "$work/quit-menu.png" "menu again" 290 200 8 "$menu/resumeButtonUp.bmp" "$start_up"
xdotool mousemove 400 410 click 1
wait_for_exit 30 || fail "quit did not end the game"
[ "$GAME_STATUS" -eq 0 ] || fail "quit: exit status $GAME_STATUS; stderr: $(cat "$work/game.err")"
! grep -q '^Frames rendered' "$work/game.out" || fail "quit printed statistics"
echo "menu_flow: ok (flight moved $moved, play still $still)"
