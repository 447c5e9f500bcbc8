#!/usr/bin/env bash
# playthrough
# The gate the village elder opens: once the elder's story has been read,
# gate 0 on the pad above the village takes the hero to the forest island.
# The home island's key puts the hero back at the village's start; the free
# view (Page Up) flies sideways and back to a point over the pad behind the
# gate, past the plants on the slope, and Page Up again sets the hero there.
# Walking ahead then passes the end of the gate's wall into its opening:
# the forest island's music (through a log of the mixer calls), its name
# and its picture follow. Free-view keys act one frame each, so the flight
# is exact.
: "${E2E_LIMIT:=480}"
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/sound.sh"
source "$(dirname "$0")/lib/fieldwork.sh"
run_headless "$0" "$@"

work=$(make_workdir)
trap 'rm -rf "$work"' EXIT
sounds=$work/sounds.log
story=$TAVIR_DATA_DIR/Story
elder=$story/VillageElderStory.bmp
others=("$story/KingIntroStory.bmp" "$story/IntroStory.bmp" "$story/GameOverStory.bmp")

# gate_taps KEY N: N single frames of KEY, in batches the event queue holds.
gate_taps() {
    local n=$2 k
    while [ "$n" -gt 0 ]; do
        k=$((n > 30 ? 30 : n))
        field_steps "$1" "$k"
        field_settle "$work"
        n=$((n - k))
    done
}

start_logged_game "$work/game" "$sounds"
start_playing "$work"
await_music "$sounds" Music/Sounds/homeTown.wav 10 "no home-town music in play"
xdotool key 0
field_settle "$work"

# The elder's quest point, sideways to the right of the start.
xdotool keydown d
await_picture "$work/story.png" "the elder's story" 0 0 0 "$elder" "${others[@]}"
xdotool keyup d
xdotool key Return
await_gone "$work/after.png" "Return left the story up" 0 0 "$elder"

# Back to the start, facing north with the view behind and above the hero:
# the view raised one step, 47 steps west and 40 back (south and up) end
# a few units over the pad behind the gate's line, a little past the end
# of its wall, so that the hero drops and walks past the wall's end into
# the opening.
xdotool key 0
await_change "$work/back.png" "$work/after.png" "0 did not bring the hero back to the start" 0.04
field_settle "$work"
xdotool key Page_Up
gate_taps Up 1
gate_taps a 47
gate_taps s 40
xdotool key Page_Up
field_settle "$work"
cp "$work/settle.png" "$work/pad.png"
[ "$(last_music "$sounds")" = Music/Sounds/homeTown.wav ] || fail "left the village too early: $(last_music "$sounds")"

xdotool keydown w
await_music "$sounds" Music/Sounds/birdsChirping.wav 60
through=$?
xdotool keyup w
[ "$through" -eq 0 ] || fail "walking ahead never passed the elder's gate; last music $(last_music "$sounds")"
await_change "$work/forest.png" "$work/pad.png" "the picture did not change with the island" 0.1
changed=$(screen_distance "$work/pad.png" "$work/forest.png")
alive "the walk through the gate"
quit_with_f12 "$work/game.err"
echo "elder_gate: ok (picture changed $changed)"
