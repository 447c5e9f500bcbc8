#!/usr/bin/env bash
# playthrough
# The inventory as a player opens it in play: i shows the inventory screen
# with the compass first, a turns the carousel to the map, Return zooms the
# map in, and i closes the screen again. The description picture names the
# current item; a preloaded shim logs the mixer's effects and the music's
# pauses and resumes.
E2E_LIMIT=${E2E_LIMIT:-420}
source "$(dirname "$0")/lib/common.sh"
run_headless "$0" "$@"

work=$(make_workdir)
trap 'rm -rf "$work"' EXIT
tex=$TAVIR_DATA_DIR/Textures

${CC:-cc} -shared -fPIC -O1 -o "$work/mixer_log.so" "$(dirname "$0")/lib/mixer_log.c" -ldl ||
    fail "cannot build the mixer log"
log=$work/mixer.log
: >"$log"
# The mixer calls logged since line FROM, effects by file name alone.
mixer_since() { tail -n +$(($1 + 1)) "$log" | grep -v '^load ' | sed 's|^play .*/|play |'; }
log_lines() { wc -l <"$log"; }
# await_mixer FROM EXPECTED: waits up to 10 s for exactly these calls.
await_mixer() {
    local i
    for i in $(seq 50); do
        [ "$(mixer_since "$1")" = "$2" ] && return 0
        sleep 0.2
    done
    fail "mixer calls: $(mixer_since "$1" | tr '\n' ';') instead of $(tr '\n' ';' <<<"$2")"
}

TAVIR_MIXER_LOG=$log LD_PRELOAD=$work/mixer_log.so start_game "$work/game"
wait_for_window 60 || fail "no window; stderr: $(cat "$work/game.err")"
xdotool mousemove 20 20
await_picture "$work/menu.png" "the menu" 290 200 8 "$tex/MainMenu/startButtonUp.bmp" "$tex/MainMenu/startButtonOver.bmp"
xdotool mousemove 400 230 click 1
await_picture "$work/intro.png" "intro picture after start" 0 0 0 "$TAVIR_DATA_DIR/Story/IntroStory.bmp"
xdotool key Escape
sleep 1
xdotool key Escape
sleep 2
grep -q '^load Music/Sounds/turnInMenu.wav' "$log" || fail "the mixer log has no effects loaded"

# The description panel: the non-magenta part of a description picture.
panel() {
    local geometry
    geometry=$(convert "$tex/$1.bmp" -fuzz 0 -transparent magenta -trim -format '%wx%h%X%Y' info:)
    convert "$tex/$1.bmp" -crop "$geometry" +repage "$work/$1.png"
    PANEL_X=$(sed 's/.*x[0-9]*+\([0-9]*\)+.*/\1/' <<<"$geometry")
    PANEL_Y=$(sed 's/.*+//' <<<"$geometry")
}
panel inventoryCompassNew
panel inventoryMap
compass_at="$PANEL_X $PANEL_Y"

from=$(log_lines)
xdotool key i
await_picture "$work/open.png" "the compass's description after i" $compass_at 3 \
    "$work/inventoryCompassNew.png" "$work/inventoryMap.png"
await_mixer "$from" "pause music
play bringUpItem.wav"

from=$(log_lines)
xdotool key a
await_picture "$work/turned.png" "the map's description after a" $compass_at 3 \
    "$work/inventoryMap.png" "$work/inventoryCompassNew.png"
await_mixer "$from" "play turnInMenu.wav"
sleep 2  # the turn has ended

# Return zooms the map in: the item grows in the middle of the screen.
screenshot "$work/rest.png"
from=$(log_lines)
xdotool key Return
await_mixer "$from" "play bringUpItem.wav"
sleep 1
screenshot "$work/zoomed.png"
centre=300x200+250+100
crop() { convert "$1" -crop "$2" +repage "$3"; }
crop "$work/rest.png" $centre "$work/c1.png"
crop "$work/zoomed.png" $centre "$work/c2.png"
d=$(screen_distance "$work/c1.png" "$work/c2.png")
awk -v d="$d" 'BEGIN { exit !(d > 0.02) }' || fail "Return did not bring the map up ($d)"
# Turning is refused while zoomed, without a sound.
from=$(log_lines)
xdotool key a
sleep 1
[ -z "$(mixer_since "$from")" ] || fail "a turn was heard while zoomed: $(mixer_since "$from")"
shows_picture "$work/zoomed.png" $compass_at 3 "$work/inventoryMap.png" || fail "zoomed: $PICTURE_MISMATCH"

from=$(log_lines)
xdotool key i
await_mixer "$from" "resume music
play unequip.wav"
sleep 1
screenshot "$work/closed.png"
shows_picture "$work/closed.png" $compass_at 3 "$work/inventoryMap.png" && fail "the inventory stays after i"

quit_with_f12 "$work/game.err"
echo "inventory: ok"
