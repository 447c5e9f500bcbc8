#!/usr/bin/env bash
# playthrough
# The village elder's quest point, reached on foot from where the home
# island's key puts the hero: its story picture fills the screen and the
# world stands still under it; Return dismisses it, and walking over the
# place again never brings it back (the quest's sound plays once, through a
# log of the mixer calls).
: "${E2E_LIMIT:=480}"
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/sound.sh"
run_headless "$0" "$@"

work=$(make_workdir)
trap 'rm -rf "$work"' EXIT
build_sound_log "$work" || fail "cannot build the mixer logger"
sounds=$work/sounds.log
story=$TAVIR_DATA_DIR/Story
elder=$story/VillageElderStory.bmp
others=("$story/KingIntroStory.bmp" "$story/IntroStory.bmp" "$story/GameOverStory.bmp")
quest_sounds() { grep -c '^effect Music/Sounds/finishQuestItem.wav$' "$sounds"; }

start_logged_game "$work/game" "$sounds" "$work/sound_log.so"
start_playing "$work"
xdotool key 0
sleep 2
[ "$(quest_sounds)" -eq 0 ] || fail "a quest sound before any quest"

# Sideways to the right, past the elder.
xdotool keydown d
await_picture "$work/story.png" "the elder's story" 0 0 0 "$elder" "${others[@]}"
sleep 2
screenshot "$work/story2.png"
xdotool keyup d
shows_picture "$work/story2.png" 0 0 0 "$elder" "${others[@]}" || fail "the story went away by itself: $PICTURE_MISMATCH"
[ "$(quest_sounds)" -eq 1 ] || fail "the quest's sound played $(quest_sounds) times"

xdotool key Return
for i in $(seq 40); do
    screenshot "$work/after.png"
    d=$(picture_distance "$work/after.png" 0 0 "$elder")
    awk -v d="$d" 'BEGIN { exit !(d > 0.2) }' && break
    sleep 0.5
done
awk -v d="$d" 'BEGIN { exit !(d > 0.2) }' || fail "Return left the story up"

# Back and forth over the place: the point is gone for good.
for key in a d a; do
    xdotool keydown $key
    for i in $(seq 6); do
        sleep 0.5
        screenshot "$work/walk.png"
        d=$(picture_distance "$work/walk.png" 0 0 "$elder")
        awk -v d="$d" 'BEGIN { exit !(d > 0.2) }' || { xdotool keyup $key; fail "the elder's story came back"; }
    done
    xdotool keyup $key
done
[ "$(quest_sounds)" -eq 1 ] || fail "the quest fired again ($(quest_sounds) quest sounds)"

kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended; stderr: $(cat "$work/game.err")"
quit_with_f12 "$work/game.err"
echo "quest_point: ok"
