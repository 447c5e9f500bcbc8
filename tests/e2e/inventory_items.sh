#!/usr/bin/env bash
# playthrough
# The inventory's items as a player uses them. With 400 gold (Page Down) the
# hero buys a vial, the ring of renewal, the boots and the helmet at the
# home island's shop. In the inventory the compass zooms in and out, and the
# carousel wraps both ways. Worn, the helmet and the boots change the hero's
# figure on the inventory screen and leave the carousel; taken off, the
# figure is as it was. The helmet doubles the armour, so the life bar shows
# half; the vial heals 50 (three quarters) and is gone from the carousel;
# the helmet off, the bar is full again. The ring, worn, leaves the carousel
# too. Sounds come from a log of the mixer calls.
: "${E2E_LIMIT:=480}"
source "$(dirname "$0")/lib/common.sh"
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
key_heard() {
    local from
    from=$(screens_log_lines)
    xdotool key "$1"
    screens_await_mixer "$from" "$2"
}

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

# The life bar: from x 1 to 1 + 171 times the life fraction, y 400 to 438.
# Two strips, past a half and past three quarters.
strip() { convert "$1" -crop "20x28+$2+405" +repage "$3"; }
screenshot "$work/full.png"
strip "$work/full.png" 95 "$work/bar-half.png"
strip "$work/full.png" 140 "$work/bar-three.png"
# bar_shows WHAT HALF THREE: the strips do (1) or do not (0) show the bar
# as at full health, for up to 20 s.
bar_shows() {
    local i got
    for i in $(seq 40); do
        screenshot "$work/bar.png"
        strip "$work/bar.png" 95 "$work/h.png"
        strip "$work/bar.png" 140 "$work/t.png"
        got=""
        for part in h:bar-half t:bar-three; do
            awk -v d="$(screen_distance "$work/${part%:*}.png" "$work/${part#*:}.png")" 'BEGIN { exit !(d < 0.05) }' &&
                got="${got}1" || got="${got}0"
        done
        [ "$got" = "$2$3" ] && return 0
        sleep 0.5
    done
    fail "$1: the life bar shows $got (past a half, past three quarters) instead of $2$3"
}

# The inventory: the compass, the map, the vial, the ring, the boots, the
# helmet. The compass is inspected: Return brings it up and puts it back.
key_heard i "pause music
play bringUpItem.wav"
await_panel "the compass after i" inventoryCompassNew
sleep 1
screenshot "$work/rest.png"
key_heard Return "play bringUpItem.wav"
sleep 1
screenshot "$work/zoomed.png"
centre=300x200+250+100
d=$(compare -metric RMSE "$work/rest.png[$centre]" "$work/zoomed.png[$centre]" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p')
awk -v d="$d" 'BEGIN { exit !(d > 0.02) }' || fail "Return did not bring the compass up ($d)"
key_heard Return "play unequip.wav"

# The hero's figure stands left of the carousel; the current item turns at
# its right.
figure=170x200+170+100
item=140x140+514+141
region() { convert "$1" -crop "$2" +repage "$3"; }
await_region() {  # await_region WHAT REGION REFERENCE near|far
    local i d
    for i in $(seq 40); do
        screenshot "$work/now.png"
        region "$work/now.png" "$2" "$work/now-region.png"
        d=$(screen_distance "$work/now-region.png" "$3")
        echo "figure: $1: $d" >&2
        if [ "$4" = near ]; then
            awk -v d="$d" 'BEGIN { exit !(d < 0.02) }' && return 0
        else
            awk -v d="$d" 'BEGIN { exit !(d > 0.04) }' && return 0
        fi
        sleep 0.5
    done
    fail "$1 ($d from $(basename "$3"))"
}
screenshot "$work/plain.png"
region "$work/plain.png" $figure "$work/plain-figure.png"
convert "$tex/inventoryBackground.bmp" -crop $item +repage "$work/empty-item.png"
empty_item() {  # the carousel shows nothing where the current item turns
    local i d
    for i in $(seq 40); do
        screenshot "$work/now.png"
        region "$work/now.png" $item "$work/now-item.png"
        d=$(screen_distance "$work/now-item.png" "$work/empty-item.png")
        echo "item region: $1: $d" >&2
        awk -v d="$d" -v want="$2" 'BEGIN { exit !((want == "empty") == (d < 0.06)) }' && return 0
        sleep 0.5
    done
    fail "$1 ($d from the bare background)"
}

# Cycling wraps: d from the first item brings the last, a from the last the
# first.
key_heard d "play turnInMenu.wav"
await_panel "the helmet, last, after d on the compass" inventoryHelmet
sleep 2
key_heard a "play turnInMenu.wav"
await_panel "the compass after a on the helmet" inventoryCompassNew
sleep 2
key_heard d "play turnInMenu.wav"
await_panel "the helmet after d" inventoryHelmet
sleep 2
empty_item "the helmet not worn is in the carousel" shown

# The helmet worn: the figure changes, the helmet leaves the carousel, and
# the life bar shows half (100 of 200).
key_heard Return "play getItem.wav"
await_region "the figure with the helmet" $figure "$work/plain-figure.png" far
empty_item "the worn helmet is still in the carousel" empty
key_heard i "resume music
play unequip.wav"
bar_shows "with the helmet" 0 0

# The vial heals 50 (150 of 200) and is used up: the compass is current.
key_heard i "pause music
play bringUpItem.wav"
for name in inventoryBoots inventoryRingRegen inventoryVial; do
    key_heard d "play turnInMenu.wav"
    await_panel "$name on the way to the vial" $name
    sleep 2
done
key_heard Return "play heal.wav"
await_panel "the compass after the vial" inventoryCompassNew
for name in inventoryHelmet inventoryBoots inventoryRingRegen inventoryMap; do
    key_heard d "play turnInMenu.wav"
    await_panel "$name with the vial gone" $name
    sleep 2
done
key_heard i "resume music
play unequip.wav"
bar_shows "after the vial" 1 0

# The helmet off: the figure as it was, the helmet back in the carousel, the
# bar full (health is capped at the armour).
key_heard i "pause music
play bringUpItem.wav"
key_heard d "play turnInMenu.wav"
await_panel "the compass after the map" inventoryCompassNew
sleep 2
key_heard d "play turnInMenu.wav"
await_panel "the helmet" inventoryHelmet
sleep 2
key_heard Return "play unequip.wav"
await_region "the figure without the helmet" $figure "$work/plain-figure.png" near
empty_item "the helmet taken off is back in the carousel" shown

# The boots: worn, the figure changes and they leave the carousel; taken
# off, all is as it was.
key_heard d "play turnInMenu.wav"
await_panel "the boots" inventoryBoots
sleep 2
key_heard Return "play getItem.wav"
await_region "the figure with the boots" $figure "$work/plain-figure.png" far
empty_item "the worn boots are still in the carousel" empty
key_heard Return "play unequip.wav"
await_region "the figure without the boots" $figure "$work/plain-figure.png" near
empty_item "the boots taken off are back in the carousel" shown

# The ring: worn, it leaves the carousel; taken off, it is back.
key_heard d "play turnInMenu.wav"
await_panel "the ring" inventoryRingRegen
sleep 2
key_heard Return "play getItem.wav"
empty_item "the worn ring is still in the carousel" empty
key_heard Return "play unequip.wav"
empty_item "the ring taken off is back in the carousel" shown
key_heard i "resume music
play unequip.wav"
bar_shows "with the helmet off" 1 1

xdotool key F12
wait_for_exit 60 || fail "the game did not quit on F12"
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS; stderr: $(cat "$work/game.err")"
! grep -q 'ERROR: AddressSanitizer\|runtime error' "$work/game.err" || fail "sanitizer report: $(cat "$work/game.err")"
echo "inventory_items: ok"
