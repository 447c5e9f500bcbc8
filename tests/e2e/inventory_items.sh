#!/usr/bin/env bash
# starts first: 4
# playthrough
# The inventory's items as a player uses them. With 400 gold (Page Down) the
# hero buys a vial, the ring of renewal, the boots and the helmet at the
# home island's shop. In the inventory the compass zooms in and out, and the
# carousel wraps both ways. Worn, the helmet and the boots change the hero's
# figure on the inventory screen, and they and the ring leave the carousel;
# taken off, they are back and the figure is as it was. The vial drunk is
# gone from the carousel. Sounds come from a log of the mixer calls; what
# shows only in numbers (jump, missile speed, healing, armour, regeneration)
# is checked in-process.
: "${E2E_LIMIT:=540}"
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/sound.sh"
source "$(dirname "$0")/lib/screens.sh"
run_headless "$0" "$@"

work=$(make_workdir)
trap '[ -n "${TAVIR_E2E_KEEP:-}" ] || rm -rf "$work"' EXIT
echo "work folder: $work"
tex=$TAVIR_DATA_DIR/Textures

for name in shopVial shopRingRegen shopBoots shopHelmet inventoryCompassNew inventoryMap inventoryVial \
    inventoryRingRegen inventoryBoots inventoryHelmet; do
    screens_panel "$work" $name
done
panel_at=$PANEL_AT
shop=("$work/shopVial.png" "$work/shopRingRegen.png" "$work/shopBoots.png" "$work/shopHelmet.png")
owned=("$work/inventoryCompassNew.png" "$work/inventoryMap.png" "$work/inventoryVial.png"
    "$work/inventoryRingRegen.png" "$work/inventoryBoots.png" "$work/inventoryHelmet.png")
# shows_panel SHOT NAME: the description of NAME, nearer it than any other.
others_than() {
    local picture
    for picture in "${owned[@]}" "${shop[@]}"; do [ "$picture" = "$work/$1.png" ] || echo "$picture"; done
}
await_panel() {
    local what=$1 name=$2
    mapfile -t rest < <(others_than "$name")
    await_picture "$work/panel.png" "$what" $panel_at 3 "$work/$name.png" "${rest[@]}"
}
# key_heard KEY EXPECTED: presses KEY and waits for exactly these mixer calls.
key_heard() { screens_key_heard "$@"; }

screens_start "$work"
screens_go_to_home_shop "$work"

# The shop: a vial (5), then the ring (100), the boots (80) and the helmet
# (100), each bought goods leaving the shop, which goes back to its vial.
key_heard Return "pause music
play openDoor.wav"
await_panel "the shop's vial" shopVial
xdotool key Next
screens_await_gold "$work" shopBackground "the gold after Page Down" 400 5
key_heard Return "play getCoins.wav"
for name in shopRingRegen shopBoots shopHelmet; do
    key_heard a "play turnInMenu.wav"
    await_panel "$name in the shop" $name
    key_heard Return "play getCoins.wav"
    await_panel "the shop's vial after $name" shopVial
done
screens_await_gold "$work" shopBackground "the gold after the four" 115 135 95
key_heard Escape "resume music
play doorclose.wav"
screens_leave_shop "$work"

# The inventory: the compass, the map, the vial, the ring, the boots, the
# helmet. The compass is inspected: Return brings it up and puts it back.
key_heard i "pause music
play bringUpItem.wav"
await_panel "the compass after i" inventoryCompassNew
E2E_STILL_REGION=300x200+250+100 await_still "$work/rest.png" 0.01
centre=300x200+250+100
zoomed() {
    screenshot "$work/zoomed.png"
    SEEN="the middle $(screen_distance "$work/rest.png[$centre]" "$work/zoomed.png[$centre]") from before"
    is_more "$(screen_distance "$work/rest.png[$centre]" "$work/zoomed.png[$centre]")" 0.02
}
key_heard Return "play bringUpItem.wav"
await "Return did not bring the compass up" 20 zoomed
key_heard Return "play unequip.wav"

# The arrows stand only while no turn runs: a turn is waited out before the
# next key, which would be refused.
turn() {  # turn KEY NAME: turns the carousel to the item NAME and waits for rest
    key_heard "$1" "play turnInMenu.wav"
    await_panel "$2 after $1" "$2"
    screens_await_turn_end "$work" inventoryBackground "the turn to $2 ends"
}

# The hero's figure stands left of the carousel; the current item turns at
# its right.
figure=170x200+170+100
item=140x140+514+141
region() { crop "$@"; }
# figure_seen REFERENCE near|far: a screenshot whose figure is as REFERENCE
# shows it, or differs from it.
figure_seen() {
    local d
    screenshot "$work/now.png"
    region "$work/now.png" $figure "$work/now-figure.png"
    d=$(screen_distance "$work/now-figure.png" "$1")
    SEEN="$d from $(basename "$1")"
    if [ "$2" = near ]; then is_less "$d" 0.02; else is_more "$d" 0.04; fi
}
# figure_is WHAT REFERENCE near|far: waits for the figure to be as REFERENCE
# shows it, or to differ from it.
figure_is() { await "$1" 20 figure_seen "$2" "$3"; }
crop "$tex/inventoryBackground.bmp" $item "$work/empty-item.png"
# carousel_seen empty|item: a screenshot whose current item's place shows
# the bare background, or something on it.
carousel_seen() {
    local d
    screenshot "$work/now.png"
    region "$work/now.png" $item "$work/now-item.png"
    d=$(screen_distance "$work/now-item.png" "$work/empty-item.png")
    SEEN="$d from the bare background"
    awk -v d="$d" -v want="$1" 'BEGIN { exit !((want == "empty") == (d < 0.02)) }'
}
# carousel_shows WHAT empty|item: waits for the place of the current item to
# show the bare background, or something on it.
carousel_shows() { await "$1" 20 carousel_seen "$2"; }
# The compass has gone back into the carousel.
E2E_STILL_REGION=$figure await_still "$work/plain.png" 0.01
region "$work/plain.png" $figure "$work/plain-figure.png"
carousel_shows "the compass in the carousel" item

# d on the first item wraps to the last. The helmet worn: the figure
# changes and the helmet leaves the carousel.
turn d inventoryHelmet
carousel_shows "the helmet in the carousel" item
key_heard Return "play getItem.wav"
figure_is "the figure with the helmet" "$work/plain-figure.png" far
carousel_shows "the worn helmet in the carousel" empty
E2E_STILL_REGION=$figure await_still "$work/helmet.png" 0.01
region "$work/helmet.png" $figure "$work/helmet-figure.png"

# The boots: worn, the figure changes and they leave the carousel; taken
# off, they are back and the figure is as before.
turn d inventoryBoots
carousel_shows "the boots in the carousel" item
key_heard Return "play getItem.wav"
figure_is "the figure with the boots" "$work/helmet-figure.png" far
carousel_shows "the worn boots in the carousel" empty
key_heard Return "play unequip.wav"
figure_is "the figure without the boots" "$work/helmet-figure.png" near
carousel_shows "the boots taken off in the carousel" item

# The ring: worn, it leaves the carousel; taken off, it is back.
turn d inventoryRingRegen
carousel_shows "the ring in the carousel" item
key_heard Return "play getItem.wav"
carousel_shows "the worn ring in the carousel" empty
key_heard Return "play unequip.wav"
carousel_shows "the ring taken off in the carousel" item

# The vial is drunk (its 50 life are counted in-process; at full life the
# bar cannot show them): it is used up and the first item, the compass, is
# current. It is gone from between the map and the ring; a on the last item
# wraps to the first. The helmet off: the figure as it was.
turn d inventoryVial
key_heard Return "play heal.wav"
await_panel "the compass after the vial" inventoryCompassNew
turn a inventoryMap
turn a inventoryRingRegen
turn a inventoryBoots
turn a inventoryHelmet
key_heard Return "play unequip.wav"
figure_is "the figure without the helmet" "$work/plain-figure.png" near
carousel_shows "the helmet taken off in the carousel" item
turn a inventoryCompassNew
key_heard i "resume music
play unequip.wav"

quit_with_f12 "$work/game.err" 60
echo "inventory_items: ok"
