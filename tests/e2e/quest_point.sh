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
source "$(dirname "$0")/lib/playthrough.sh"
run_headless "$0" "$@"

PT_WORK=$(make_workdir)
work=$PT_WORK
trap 'rm -rf "$work"' EXIT
sounds=$work/sounds.log
story=$TAVIR_DATA_DIR/Story
elder=$story/VillageElderStory.bmp
others=("$story/KingIntroStory.bmp" "$story/IntroStory.bmp" "$story/GameOverStory.bmp")
quest_sounds() { sound_count "$sounds" finishQuestItem; }

start_logged_game "$work/game" "$sounds"
start_playing "$work"
xdotool key 0
await_still "$work/start.png" 0.03 RMSE 2 60
[ "$(quest_sounds)" -eq 0 ] || fail "a quest sound before any quest"

# Sideways to the right, past the elder.
xdotool keydown d
await_picture "$work/story.png" "the elder's story" 0 0 0 "$elder" "${others[@]}"
# The world stands still under the story while the key is held.
hold_off 2
screenshot "$work/story2.png"
xdotool keyup d
shows_picture "$work/story2.png" 0 0 0 "$elder" "${others[@]}" || fail "the story went away by itself: $PICTURE_MISMATCH"
[ "$(quest_sounds)" -eq 1 ] || fail "the quest's sound played $(quest_sounds) times"

xdotool key Return
await_gone "$work/after.png" "Return left the story up" 0 0 "$elder"
await_still "$work/point.png" 0.03 RMSE 2 60

# Back and forth over the place by single side-steps (0.2 each, one a
# frame), so that the hero is seen to stand at the point again before its
# absence is judged: left and back, twice. (To the right the elder's
# neighbours stand in the way.)
at_point() {
    local d
    await_still "$work/back.png" 0.03
    d=$(screen_distance "$work/point.png" "$work/back.png")
    is_less "$d" 0.03 || fail "the hero is not back at the point ($d from its view)"
    is_more "$(picture_distance "$work/back.png" 0 0 "$elder")" 0.2 || fail "the elder's story came back"
}
for steps in 40 20; do
    pt_taps a "$steps"
    await_still "$work/out.png" 0.03
    is_more "$(screen_distance "$work/point.png" "$work/out.png")" 0.05 || fail "a did not move the hero off the point"
    pt_taps d "$steps"
    at_point
done
[ "$(quest_sounds)" -eq 1 ] || fail "the quest fired again ($(quest_sounds) quest sounds)"

alive "the elder's point"
quit_with_f12 "$work/game.err"
echo "quest_point: ok"
