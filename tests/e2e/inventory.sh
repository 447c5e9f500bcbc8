#!/usr/bin/env bash
# playthrough
# The inventory as a player opens it in play: i shows the inventory screen
# with the compass first, a turns the carousel to the map, Return zooms the
# map in, and i closes the screen again. The description picture names the
# current item; a preloaded shim logs the mixer's effects and the music's
# pauses and resumes.
E2E_LIMIT=${E2E_LIMIT:-420}
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/sound.sh"
source "$(dirname "$0")/lib/screens.sh"
run_headless "$0" "$@"

work=$(make_workdir)
trap 'rm -rf "$work"' EXIT
tex=$TAVIR_DATA_DIR/Textures

screens_start "$work"
screens_panel "$work" inventoryMap
screens_panel "$work" inventoryCompassNew
compass_at=$PANEL_AT

screens_key_heard i "pause music
play bringUpItem.wav"
await_picture "$work/open.png" "the compass's description after i" $compass_at 3 \
    "$work/inventoryCompassNew.png" "$work/inventoryMap.png"

screens_key_heard a "play turnInMenu.wav"
await_picture "$work/turned.png" "the map's description after a" $compass_at 3 \
    "$work/inventoryMap.png" "$work/inventoryCompassNew.png"
screens_await_turn_end "$work" inventoryBackground "the turn to the map ends"
screenshot "$work/rest.png"

# Return zooms the map in: the item grows in the middle of the screen.
centre=300x200+250+100
crop "$work/rest.png" $centre "$work/c1.png"
zoomed() {
    screenshot "$work/zoomed.png"
    crop "$work/zoomed.png" $centre "$work/c2.png"
    SEEN="the middle $(screen_distance "$work/c1.png" "$work/c2.png") from before"
    is_more "$(screen_distance "$work/c1.png" "$work/c2.png")" 0.02
}
screens_key_heard Return "play bringUpItem.wav"
await "Return did not bring the map up" 20 zoomed
# Turning is refused while zoomed, without a sound: the i that follows is
# heard only after the a has been taken.
from=$(screens_log_lines)
xdotool key a i
screens_await_mixer "$from" "resume music
play unequip.wav"
shows_picture "$work/zoomed.png" $compass_at 3 "$work/inventoryMap.png" || fail "zoomed: $PICTURE_MISMATCH"

await_gone "$work/closed.png" "the inventory stays after i" $compass_at "$work/inventoryMap.png" 0.08

quit_with_f12 "$work/game.err"
echo "inventory: ok"
