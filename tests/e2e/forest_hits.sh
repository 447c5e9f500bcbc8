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
build_sound_log "$work" || fail "cannot build the mixer logger"
field_build_watch "$work" || fail "cannot build the screen watcher"
sounds=$work/sounds.log
hits() { field_effects "$sounds" squeak; }

start_logged_game "$work/game" "$sounds" "$work/sound_log.so"
start_playing "$work"
xdotool key 1
await_music "$sounds" Music/Sounds/birdsChirping.wav 20 || fail "key 1 did not bring the forest island"
sleep 2
screenshot "$work/arrived.png"
[ "$(field_life "$work/arrived.png")" -ge 168 ] || fail "the life bar is not full at the start"

# Ahead, then right and up the hill towards the lake.
field_steps w 12
field_settle "$work" || fail "the picture never settled after the first steps"
field_turn 1.04
field_settle "$work" || fail "the picture never settled after the turn"
field_steps w 30
# Fire balls may already fly through the view here.
field_settle "$work"
screenshot "$work/rim.png"
read -r x y <<<"$(field_enemies "$work/rim.png" | head -1)"
[ -n "$x" ] || fail "no spirit on the mini map at the lake"
field_turn "$(awk -v x="$x" -v y="$y" 'BEGIN { printf "%.3f", atan2(x, -y) }')"

"$work/screen_watch" flash 250 100 300 250 90 >"$work/flash.txt" &
watcher=$!
field_await_effect "$sounds" squeak 1 60 || fail "no spirit hit the hero in 60 s: $(grep -v '^music' "$sounds" | sort | uniq -c)"
xdotool key End
before=$(hits)
sleep 2
screenshot "$work/hurt.png"
life=$(field_life "$work/hurt.png")
lost=$((171 - life))
awk -v l="$lost" 'BEGIN { k = int(l / 34.2 + 0.5); exit !(k >= 1 && k <= 4 && l - k * 34.2 <= 3 && k * 34.2 - l <= 5) }' ||
    fail "$before hits took $lost of the 171 pixels of the life bar"

field_await_effect "$sounds" squeak $((before + 2)) 60 || fail "the spirit stopped throwing"
screenshot "$work/unhurt.png"
[ "$(field_life "$work/unhurt.png")" -ge "$life" ] || fail "hits after End still cost health"
wait "$watcher" || fail "no hit tinted a frame red"
watcher=""

kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended; stderr: $(cat "$work/game.err")"
quit_with_f12 "$work/game.err"
echo "forest_hits: $(cat "$work/flash.txt"); $(hits) hits, $lost pixels of life lost"
