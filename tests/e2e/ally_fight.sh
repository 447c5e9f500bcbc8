#!/usr/bin/env bash
# playthrough
# A fight in the home village, as a player has it: the villagers never
# throw at the hero until one of them is shot. The hero walks up to the
# nearest (steering by its icon on the mini map) and shoots it: it
# dissolves in a pale burst, with its sound, and leaves a coin or a
# vial where it stood, which Return picks up. The others turn hostile and
# throw: a hit costs 20 of the 100 health (a fifth of the life bar) and
# tints one frame red; after End the hits go on and cost nothing. The
# sounds come from a log of the mixer calls; the one-frame signs from a
# watcher that reads the screen every few milliseconds.
: "${E2E_LIMIT:=420}"
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/sound.sh"
source "$(dirname "$0")/lib/fieldwork.sh"
run_headless "$0" "$@"

work=$(make_workdir)
watchers=()
trap 'kill "${watchers[@]}" 2>/dev/null; rm -rf "$work"' EXIT
field_prepare_label "$work" || fail "cannot cut out the pick-up prompt"
sounds=$work/sounds.log
hits() { field_effects "$sounds" squeak; }

# nearest SHOT: the nearest spirit's icon, "DX DY DISTANCE" in pixels.
nearest() {
    field_enemies "$1" | awk 'NR == 1 || $1 * $1 + $2 * $2 < best { best = $1 * $1 + $2 * $2; x = $1; y = $2 }
        END { if (NR) printf "%s %s %.1f\n", x, y, sqrt(best) }'
}
# face_nearest: turns the hero to the nearest spirit; sets NEAR to its
# distance in pixels (two to a unit on this island).
face_nearest() {
    local x y
    field_try_settle "$work"
    read -r x y NEAR <<<"$(nearest "$work/settle.png")"
    [ -n "$NEAR" ] || fail "no spirit on the mini map"
    field_turn "$(awk -v x="$x" -v y="$y" 'BEGIN { printf "%.3f", atan2(x, -y) }')"
}
# approach: walks up to the nearest spirit, until it is within 4 units or
# something stops the hero short of it.
approach() {
    local i last=999
    for i in $(seq 30); do
        face_nearest
        awk -v d="$NEAR" -v l="$last" 'BEGIN { exit !(d <= 8 || (d <= 14 && d >= l - 0.5)) }' && return 0
        last=$NEAR
        field_steps w 4
        alive "the way to a villager"
    done
    fail "never came near a villager (last at $NEAR pixels)"
}

start_logged_game "$work/game" "$sounds"
start_playing "$work"
approach
[ "$(hits)" -eq 0 ] || fail "a villager threw at the hero before any was shot"

# Through the hero's eyes, so that the burst fills the middle of the view.
xdotool key Tab
await_change "$work/eyes.png" "$work/settle.png" "Tab did not move the camera into the hero's eyes" 0.03
face_nearest
"$FIELD_WATCH" burst 250 150 300 300 40 >"$work/burst.txt" &
watchers+=($!)
burst=$!
"$FIELD_WATCH" flash 250 100 300 250 90 >"$work/flash.txt" &
watchers+=($!)
flash=$!
killed=0
for try in 1 2 3 4 5; do
    xdotool click 1
    if field_await_effect "$sounds" enemyPoof 1 6; then
        killed=1
        break
    fi
    approach
    face_nearest
done
[ "$killed" -eq 1 ] || fail "five shots and no villager down: $(grep -v '^music' "$sounds" | sort | uniq -c)"
# The others throw now: End right after the first hit keeps the hero alive.
await_effect "$sounds" squeak 1 30 "no villager turned on the hero after the kill"
xdotool key End

wait "$burst" || fail "no burst where the villager was"
field_hits_then_none "$work" "$sounds"
wait "$flash" || fail "no hit tinted a frame red"

# Pick up what the villager left, where it stood: a step or two ahead.
for i in $(seq 10); do
    field_try_settle "$work"
    cp "$work/settle.png" "$work/drop.png"
    field_item_frame_shown "$work/drop.png" "$work" && break
    [ "$i" -lt 10 ] || fail "the kill left nothing where the villager stood"
    field_steps w 1
done
if [ "$(field_gold_pixels "$work/drop.png")" -gt 100 ]; then
    xdotool key Return
    await_effect "$sounds" getCoins 1 10 "Return took no coins"
else
    xdotool key Return
    await_effect "$sounds" getItem 1 10 "Return took no vial"
fi
alive "the pick-up"
quit_with_f12 "$work/game.err"
echo "ally_fight: $(cat "$work/burst.txt"); $(cat "$work/flash.txt"); $(hits) hits, life bar at $FIELD_LIFE"
