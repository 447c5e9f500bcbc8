#!/usr/bin/env bash
# playthrough
# Through a gate on foot: on the enemy town's island, walking straight ahead
# from where the island key puts the hero leads along a gate's wall into
# its opening. The other island's picture and music follow (the music
# through a log of the mixer calls).
: "${E2E_LIMIT:=480}"
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/sound.sh"
run_headless "$0" "$@"

work=$(make_workdir)
trap 'rm -rf "$work"' EXIT
sounds=$work/sounds.log

start_logged_game "$work/game" "$sounds"
start_playing "$work"
await_music "$sounds" Music/Sounds/homeTown.wav 10 "no home-town music in play"

xdotool key F2
await_music "$sounds" Music/Sounds/fight2.wav 10 "F2 did not bring the enemy town's music"
await_still "$work/town.png" 0.03 RMSE 2 60
xdotool keydown w
await_music "$sounds" Music/Sounds/wind.wav 150
through=$?
xdotool keyup w
[ "$through" -eq 0 ] || fail "walking ahead never passed the gate; last music $(last_music "$sounds")"
await_change "$work/far-side.png" "$work/town.png" "the picture did not change with the island" 0.1
changed=$(screen_distance "$work/town.png" "$work/far-side.png")
alive "the walk through the gate"
quit_with_f12 "$work/game.err"
echo "gate_walk: ok (picture changed $changed)"
