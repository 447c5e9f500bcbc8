#!/usr/bin/env bash
# starts first: 6
# playthrough
# A game begun and left alone: the menu plays the intro music; start shows
# the intro picture and the home-town music begins; Escape starts the
# opening flight, which this time runs to its end by itself (500 steps: a
# longer run) and leaves the camera behind the hero (its pink hands and feet
# in the middle of a still view).
: "${E2E_LIMIT:=540}"
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/sound.sh"
source "$(dirname "$0")/lib/playthrough.sh"
run_headless "$0" "$@"

PT_WORK=$(make_workdir)
work=$PT_WORK
trap 'rm -rf "$work"' EXIT
sounds=$work/sounds.log
story=$TAVIR_DATA_DIR/Story menu=$TAVIR_DATA_DIR/Textures/MainMenu

start_logged_game "$work/game" "$sounds"
wait_for_window 60 || fail "no window; stderr: $(cat "$work/game.err")"
await_picture "$work/menu.png" "start button" 290 200 8 "$menu/startButtonUp.bmp" "$menu/resumeButtonUp.bmp"
await_music "$sounds" Music/Soundtrack1Peril.wav 10 "no intro music at the menu"
xdotool mousemove 400 230 click 1
await_picture "$work/intro.png" "intro picture" 0 0 0 "$story/IntroStory.bmp" "$story/GameOverStory.bmp"
await_music "$sounds" Music/Sounds/homeTown.wav 10 || fail "no home-town music after start: $(cat "$sounds")"
xdotool key Escape

# The flight moves, then ends on its own (500 steps) in a still view.
flown=0 rest=0
screenshot "$work/flight-a.png"
flight_look() {
    local d
    sleep 0.5
    screenshot "$work/flight-b.png"
    d=$(screen_distance "$work/flight-a.png" "$work/flight-b.png")
    if is_more "$d" 0.04; then flown=$((flown + 1)) rest=0; else rest=$((rest + 1)); fi
    SEEN="$flown looks moved, the last $rest still"
    mv "$work/flight-b.png" "$work/flight-a.png"
    [ "$flown" -gt 2 ] && [ "$rest" -ge 3 ]
}
await "the opening flight did not move and come to rest" 90 flight_look
cp "$work/flight-a.png" "$work/flight-b.png"
shows_picture "$work/flight-b.png" 0 0 0 "$story/IntroStory.bmp" && fail "the intro picture came back"
hero=$(hero_share "$work/flight-b.png")
is_more "$hero" 0.015 || fail "the flight did not end behind the hero ($hero)"
# And play goes on from there: w walks.
xdotool keydown w
await_change "$work/walking.png" "$work/flight-b.png" "w did not walk after the flight" 0.03
xdotool keyup w
# The spirit beside the path goes on swaying (about 5,000 pixels a look).
await_view_rest "$work/walked.png"
d=$(screen_distance "$work/flight-b.png" "$work/walked.png")
is_more "$d" 0.03 || fail "w did not walk after the flight ($d)"

quit_with_f12 "$work/game.err"
grep -q '^Time late per frame: [0-9]* (ms)$' "$work/game.out" || fail "no statistics on F12: $(tail -3 "$work/game.out")"
echo "play_opening: ok (flight moved over $flown looks, hero share $hero)"
