#!/usr/bin/env bash
# starts first: 2
# playthrough
# The castle's evil wizard, reached with the game's own shortcuts: F3 for
# the castle island (Escape skips its flight), then the free view (Page
# Up) flown over the walls to the wizard's quest point and Page Up again,
# which puts the hero where the view is. The point shows its story picture
# with the danger sound and calls up the wizard; Return dismisses it. A
# second flight sets the hero down in the courtyard before the wizard, End
# keeps the hero alive, and shots through the hero's eyes, raised a little
# at a time until they tell, strike the wizard: he survives twelve hits,
# each with its own sound, and dissolves at the thirteenth, leaving the
# princess's quest point, which shows on the mini map. Free-view keys and
# single steps act one frame each, so the flights are exact.
: "${E2E_LIMIT:=580}"
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/sound.sh"
source "$(dirname "$0")/lib/fieldwork.sh"
run_headless "$0" "$@"

work=$(make_workdir)
trap 'rm -rf "$work"' EXIT
sounds=$work/sounds.log
story=$TAVIR_DATA_DIR/Story

# keys KEY N: N single frames of KEY, in batches the game's event queue
# holds, each handled before the next goes.
keys() {
    local n=$2 k
    while [ "$n" -gt 0 ]; do
        k=$((n > 30 ? 30 : n))
        field_steps "$1" "$k"
        field_settle "$work"
        n=$((n - k))
    done
}
# quest_marks SHOT: quest-point-coloured pixels inside the mini map.
quest_marks() {
    measure "the quest marks of $1" convert "$1" -crop 100x100+35+446 +repage -fx '(r > 0.4 && r > b + 0.12 && g > b + 0.05) ? 1 : 0' \
        -format '%[fx:int(mean*w*h)]' info:
}

start_logged_game "$work/game" "$sounds"
start_playing "$work"
xdotool key F3
await_music "$sounds" Music/Sounds/bossTheme.wav 20 "F3 did not bring the castle island"
# The game takes one event a frame, in order: the Escape comes to the
# flight the island's key has started.
xdotool key Escape
field_settle "$work"

# Free view from behind the hero, which faces north: level, up, across to
# the quest point, hero down, a step off the air.
xdotool key Page_Up
keys Up 18
keys w 40
keys Down 15
keys d 138
keys w 21
xdotool key Page_Up
field_settle "$work"
xdotool key w
await_picture "$work/wizard-story.png" "the wizard's story" 0 0 0 "$story/EvilWizardIntroStory.bmp" \
    "$story/PrincessStory.bmp" "$story/GameOverStory.bmp"
await_effect "$sounds" danger 1 10 "the wizard's point played no danger sound"
xdotool key Return
await_gone "$work/before.png" "Return left the wizard's story up" 0 0 "$story/EvilWizardIntroStory.bmp"
field_settle "$work"
marks=$(quest_marks "$work/settle.png")

# Into the courtyard, ten units south of the wizard, facing him.
xdotool key Page_Up
keys Up 18
keys w 10
keys Down 15
keys s 79
keys a 28
xdotool key Page_Up
field_settle "$work"
xdotool key w End Tab
field_settle "$work"
[ -n "$(field_enemies "$work/settle.png")" ] || fail "no wizard on the mini map in the courtyard"

# A ledge stands between: raise the aim a little after every miss.
hit=0
# A shot that strikes is heard (hitBoss or, at the last, enemyPoof); one
# that misses has flown its course once the picture rests again.
for shot in $(seq 40); do
    hits=$(field_effects "$sounds" hitBoss)
    xdotool click 1
    struck() { [ "$(field_effects "$sounds" hitBoss)" -gt "$hits" ] || [ "$(field_effects "$sounds" enemyPoof)" -gt 0 ]; }
    try_await 2 struck || field_settle "$work"
    [ "$(field_effects "$sounds" enemyPoof)" -gt 0 ] && break
    if [ "$(field_effects "$sounds" hitBoss)" -eq "$hits" ] && [ "$hit" -eq 0 ]; then
        xdotool mousemove_relative -- 1 -50
        field_settle "$work"
    else
        hit=1
    fi
done
await_effect "$sounds" enemyPoof 1 5 "the wizard still stands after $(field_effects "$sounds" hitBoss) hits"
[ "$(field_effects "$sounds" hitBoss)" -eq 12 ] || fail "the wizard fell after $(field_effects "$sounds" hitBoss) hits, not 13"
marked() {
    screenshot "$work/after.png"
    SEEN="$marks marks before, $(quest_marks "$work/after.png") after"
    [ "$(quest_marks "$work/after.png")" -ge $((marks + 15)) ]
}
await "no princess's quest point on the mini map" 20 marked

alive "the wizard's fall"
quit_with_f12 "$work/game.err"
echo "boss_fight: 12 hits survived, down at the 13th, $shot shots"
