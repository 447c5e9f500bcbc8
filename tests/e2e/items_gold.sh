#!/usr/bin/env bash
# playthrough
# Coins on the forest island (key 1), picked up as a player does: walking
# ahead from where the island key puts the hero passes a row of coins. While
# one lies within reach the item frame shows with its prompt and the coin
# drawn in its window; Return picks the first one up, a middle click the
# next, each with the coin sound, and the frame goes. Money adds to the
# gold and never enters the inventory: the carousel still turns through
# its two starting items only. The sounds come from a log of the mixer
# calls.
: "${E2E_LIMIT:=420}"
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/sound.sh"
source "$(dirname "$0")/lib/fieldwork.sh"
source "$(dirname "$0")/lib/screens.sh"
run_headless "$0" "$@"

work=$(make_workdir)
trap 'rm -rf "$work"' EXIT
sounds=$work/sounds.log
field_prepare_label "$work" || fail "cannot cut out the pick-up prompt"
tex=$TAVIR_DATA_DIR/Textures

# walk_to_item NAME: single steps ahead until the item frame shows, at most
# 40 (20 units); the shot showing it is WORK/NAME.png.
walk_to_item() {
    local i
    for i in $(seq 40); do
        xdotool key w
        # The step is taken once the view rests again.
        await_view_rest "$work/$1.png"
        field_item_frame_shown "$work/$1.png" "$work" && return 0
    done
    fail "no item frame after 40 steps towards $1 (prompt at $(field_label_distance "$work/$1.png" "$work"))"
}
# await_frame_gone NAME: polls until the item frame has gone.
frame_gone() { screenshot "$work/$1.png"; ! field_item_frame_shown "$work/$1.png" "$work"; }
await_frame_gone() { await "the item frame stays after $1" 20 frame_gone "$1"; }

start_logged_game "$work/game" "$sounds"
start_playing "$work"
xdotool key 1
await_music "$sounds" Music/Sounds/birdsChirping.wav 20 "key 1 did not bring the forest island"
await_view_rest "$work/arrived.png" 2 60
field_item_frame_shown "$work/arrived.png" "$work" && fail "an item frame with no item near"

walk_to_item first
gold=$(field_gold_pixels "$work/first.png")
[ "$gold" -gt 100 ] || fail "no coin in the item frame's window ($gold golden pixels)"
[ "$(field_effects "$sounds" getCoins)" -eq 0 ] || fail "coins before any pick-up"
xdotool key Return
await_effect "$sounds" getCoins 1 10 "Return played no coin sound"
await_frame_gone after-return
[ "$(field_gold_pixels "$work/after-return.png")" -lt 20 ] || fail "a coin stays in the frame's window"

walk_to_item second
xdotool click 2
await_effect "$sounds" getCoins 2 10 "a middle click played no coin sound"
await_frame_gone after-click
[ "$(field_effects "$sounds" getItem)" -eq 0 ] || fail "money was taken as an item"

# The inventory: the compass's description, the map's after one turn and
# the compass's again after two, so nothing came in between.
screens_panel "$work" inventoryMap
screens_panel "$work" inventoryCompassNew  # both descriptions stand where the compass's does
xdotool key i
await_picture "$work/inv1.png" "the compass first" $PANEL_AT 3 "$work/inventoryCompassNew.png" "$work/inventoryMap.png"
xdotool key a
await_picture "$work/inv2.png" "the map after one turn" $PANEL_AT 3 "$work/inventoryMap.png" "$work/inventoryCompassNew.png"
screens_await_turn_end "$work" inventoryBackground "the first turn ends"
xdotool key a
await_picture "$work/inv3.png" "the compass again after two turns" $PANEL_AT 3 \
    "$work/inventoryCompassNew.png" "$work/inventoryMap.png"
xdotool key i
await_gone "$work/closed.png" "the inventory stays after i" $PANEL_AT "$work/inventoryCompassNew.png" 0.08

quit_with_f12 "$work/game.err"
echo "items_gold: ok"
