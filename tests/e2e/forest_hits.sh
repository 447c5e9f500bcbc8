#!/usr/bin/env bash
# playthrough
# The forest island's spirits (key 1) throw fire balls at the hero as a
# player meets them: from where the island key puts the hero, a walk up
# the hill to the rim of the lake brings one of them, below on its island,
# within reach. Its hits cost 20 of the 100 health each (a fifth of the
# life bar) and tint a frame red; End switches the damage off, and the hits
# that follow cost nothing. The hits are counted in a log of the mixer
# calls (each plays the hit sound); the red frame is caught by a watcher
# that reads the screen every few milliseconds.
: "${E2E_LIMIT:=420}"
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/sound.sh"
source "$(dirname "$0")/lib/fieldwork.sh"
run_headless "$0" "$@"

work=$(make_workdir)
watcher=""
trap '[ -n "$watcher" ] && kill "$watcher" 2>/dev/null; rm -rf "$work"' EXIT
sounds=$work/sounds.log
hits() { field_effects "$sounds" squeak; }

start_logged_game "$work/game" "$sounds"
start_playing "$work"
xdotool key 1
await_music "$sounds" Music/Sounds/birdsChirping.wav 20 "key 1 did not bring the forest island"
field_settle "$work"
[ "$(field_life "$work/settle.png")" -ge 168 ] || fail "the life bar is not full at the start"

# Ahead, then right and up the hill towards the lake.
field_steps w 12
field_settle "$work"
field_turn 1.04
field_settle "$work"
field_steps w 30
# Fire balls may already fly through the view here: the picture may not
# rest for long.
field_try_settle "$work"
read -r x y <<<"$(field_enemies "$work/settle.png" | head -1)"
[ -n "$x" ] || fail "no spirit on the mini map at the lake"
field_turn "$(awk -v x="$x" -v y="$y" 'BEGIN { printf "%.3f", atan2(x, -y) }')"

"$FIELD_WATCH" flash 250 100 300 250 90 >"$work/flash.txt" &
watcher=$!
await_effect "$sounds" squeak 1 60 "no spirit hit the hero in 60 s"
xdotool key End
field_hits_then_none "$work" "$sounds"
wait "$watcher" || fail "no hit tinted a frame red"
watcher=""
alive "the fight"
quit_with_f12 "$work/game.err"
echo "forest_hits: $(cat "$work/flash.txt"); $(hits) hits, life bar at $FIELD_LIFE"
