#!/usr/bin/env bash
# starts first: 8
# playthrough
# The home island's shop as a player uses it: the hero makes his way to the
# shop (Page Up steps, the last bit on foot), the prompt shows, Return opens the shop and
# pauses the music; the vial is bought with the starting 5 gold, the ring
# then costs too much and only the error sound plays; with 400 gold from
# Page Down the ring is bought and leaves the shop for the inventory, and
# vials can still be bought; Escape closes the shop and the music resumes.
# Gold is read from the coin piles, sounds from a log of the mixer calls.
: "${E2E_LIMIT:=540}"
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/sound.sh"
source "$(dirname "$0")/lib/screens.sh"
run_headless "$0" "$@"

work=$(make_workdir)
trap '[ -n "${TAVIR_E2E_KEEP:-}" ] || rm -rf "$work"' EXIT
echo "work folder: $work"
tex=$TAVIR_DATA_DIR/Textures

screens_start "$work"

screens_go_to_home_shop "$work"
prompt_at=$SCREENS_PROMPT_AT

for name in shopVial shopRingRegen inventoryRingRegen inventoryCompassNew inventoryVial inventoryMap; do
    screens_panel "$work" $name
done
panel_at=$PANEL_AT  # every description stands in the same place
shop_items=("$work/shopVial.png" "$work/shopRingRegen.png")

# Return opens the shop on its vial, with the door's sound and the music
# paused; the hero has his starting 5 gold.
from=$(screens_log_lines)
xdotool key Return
await_picture "$work/shop.png" "the shop's vial after Return" $panel_at 3 "${shop_items[@]}"
screens_await_mixer "$from" "pause music
play openDoor.wav"
screens_await_gold "$work" shopBackground "the starting gold" 5 0 10 1

# The vial costs all of it.
from=$(screens_log_lines)
xdotool key Return
screens_await_mixer "$from" "play getCoins.wav"
screens_await_gold "$work" shopBackground "the gold after the vial" 0 5 1
shows_picture "$work/gold.png" $panel_at 3 "${shop_items[@]}" || fail "the vial left the shop: $PICTURE_MISMATCH"

# a brings the ring, which costs more than nothing: only the error sound.
from=$(screens_log_lines)
xdotool key a
await_picture "$work/ring.png" "the shop's ring after a" $panel_at 3 "$work/shopRingRegen.png" "$work/shopVial.png"
screens_await_mixer "$from" "play turnInMenu.wav"
screens_await_turn_end "$work" shopBackground "the turn to the ring ends"
from=$(screens_log_lines)
xdotool key Return
screens_await_mixer "$from" "play error.wav"
screens_await_gold "$work" shopBackground "the gold after the refused ring" 0 5 1
[ "$(screens_mixer_since "$from")" = "play error.wav" ] || fail "more than the error sound: $(screens_mixer_since "$from")"
shows_picture "$work/gold.png" $panel_at 3 "$work/shopRingRegen.png" "$work/shopVial.png" ||
    fail "the refused ring left the front: $PICTURE_MISMATCH"

# Page Down gives 400 gold. The ring is bought at once after a turn away
# and back, while the carousel still turns: it leaves the shop, which goes
# back to its vial, and 300 gold are left.
xdotool key Next
screens_await_gold "$work" shopBackground "the gold after Page Down" 400 300 0
screens_key_heard d "play turnInMenu.wav"
screens_await_turn_end "$work" shopBackground "the turn away from the ring ends"
from=$(screens_log_lines)
xdotool key a Return
await_picture "$work/bought.png" "the shop's vial after the ring is sold" $panel_at 3 "${shop_items[@]}"
screens_await_mixer "$from" "play turnInMenu.wav
play getCoins.wav"
screens_await_gold "$work" shopBackground "the gold after the ring" 300 400 200

# Vials never run out.
from=$(screens_log_lines)
xdotool key Return
screens_await_mixer "$from" "play getCoins.wav"
screens_await_gold "$work" shopBackground "the gold after a second vial" 295 300
shows_picture "$work/gold.png" $panel_at 3 "${shop_items[@]}" || fail "the vial left the shop: $PICTURE_MISMATCH"

# Escape closes the shop with the door's sound and the music goes on; the
# prompt is back, since the hero still stands at the door.
from=$(screens_log_lines)
xdotool key Escape
screens_await_mixer "$from" "resume music
play doorclose.wav"
await_picture "$work/closed.png" "the prompt after Escape" $prompt_at 3 "$work/prompt.png"

# The ring is in the inventory: after the compass, the map and the first
# vial bought. At the shop's door i does nothing; the hero walks away first.
screens_leave_shop "$work"
xdotool key i
inventory=("$work/inventoryCompassNew.png" "$work/inventoryMap.png" "$work/inventoryVial.png" "$work/inventoryRingRegen.png")
await_picture "$work/inventory.png" "the compass after i" $panel_at 3 "${inventory[@]}"
# Three steps of a reach the ring. Each waits for the panel to change: a
# press that a slow frame missed is sent again, one that moved on never is.
panel_shown() {
    local best= least=2 p d
    screenshot "$work/inventory.png"
    for p in "${inventory[@]}"; do
        d=$(picture_distance "$work/inventory.png" $panel_at "$p" 3)
        if awk -v d="$d" -v l="$least" 'BEGIN { exit !(d < l) }'; then best=$p least=$d; fi
    done
    echo "$best"
}
current=$(panel_shown)
for step in 1 2 3; do
    moved=
    for press in 1 2 3; do
        xdotool key a
        for i in $(seq "$(scaled_wait 10)"); do
            shown=$(panel_shown)
            if [ "$shown" != "$current" ]; then
                current=$shown moved=1
                break 2
            fi
            sleep 0.5
        done
    done
    [ -n "$moved" ] || fail "a did not move the inventory on from $(basename "$current")"
done
await_picture "$work/inventory.png" "the ring in the inventory" $panel_at 3 "$work/inventoryRingRegen.png" "${inventory[@]:0:3}"
from=$(screens_log_lines)
xdotool key i
screens_await_mixer "$from" "resume music
play unequip.wav"

quit_with_f12 "$work/game.err" 60
echo "shop: ok"
