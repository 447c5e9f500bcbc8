#!/usr/bin/env bash
# playthrough
# Lava ends the game: on island 10 the free view (Page Up) flies the camera
# from behind the hero out over the lava lake, where the lake shows below,
# red; Page Up again puts the hero there, a step drops it into the lava,
# and the game-over picture comes with the sad song. Escape ends with 0.
: "${E2E_LIMIT:=300}"
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/sound.sh"
source "$(dirname "$0")/lib/playthrough.sh"
run_headless "$0" "$@"

PT_WORK=$(make_workdir)
work=$PT_WORK
trap 'rm -rf "$work"' EXIT
sounds=$work/sounds.log
# Pixels of the lava's red (much redder than green or blue) in the lower
# part of the view, right of the mini map.
red_share() { measure "the lava's red in $1" convert "$1" -resize '160x120!' -crop 130x50+30+70 +repage -fx '(r > 0.45 && r > 2 * g && r > 2 * b) ? 1 : 0' -format '%[fx:mean]' info:; }

start_logged_game "$work/game" "$sounds"
start_playing "$work"
await_music "$sounds" Music/Sounds/homeTown.wav 20 "no home-town music in play"
# No damage: only the lava may end this game.
xdotool key End F1
await_music "$sounds" Music/Sounds/thunder.wav 20 "F1 did not bring island 10's music"
pt_await_still "$work/arrival.png" 0.03
before=$(red_share "$work/arrival.png")

# Free view, the camera raised 0.2 rad, then 40 units out over the lake.
xdotool key --delay 100 Prior Up Up
pt_taps w 40
pt_await_still "$work/over-lake.png" 0.01
pt_is_game_over "$work/over-lake.png" && fail "game over while only the camera moved"
above=$(red_share "$work/over-lake.png")
awk -v a="$above" -v b="$before" 'BEGIN { exit !(a > 0.3 && a > b + 0.2) }' ||
    fail "no lava below the camera over the lake ($above red, $before at the arrival)"

# The hero to the camera, and one step into the air above the lava.
xdotool key --delay 100 Prior w
await_picture "$work/over.png" "game over in the lava" 0 0 0 "$TAVIR_DATA_DIR/Story/GameOverStory.bmp" \
    "$TAVIR_DATA_DIR/Story/IntroStory.bmp"
pt_finish_game_over "$sounds"
echo "play_lava: ok (red $before at the arrival, $above over the lake)"
