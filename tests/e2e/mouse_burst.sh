#!/usr/bin/env bash
# A moving mouse must not hold up the keyboard: after a second of quick
# mouse motion (far more events than the loop's one event per frame could
# work off) a key press still acts at once.
source "$(dirname "$0")/lib/common.sh"
run_headless "$0" "$@"

work=$(make_workdir)
trap 'rm -rf "$work"' EXIT

start_game "$work/game"
wait_for_window 60 || fail "no window; stderr: $(cat "$work/game.err")"
await_drawn "$work/shot.png"
moves=()
for i in $(seq 200); do moves+=(mousemove_relative -- $((i % 2 * 2 - 1)) 1 sleep 0.005); done
xdotool "${moves[@]}"
pressed=$(date +%s%N)
xdotool key F12
wait_for_exit 30 || fail "the game did not quit on F12"
took=$((($(date +%s%N) - pressed) / 1000000))
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS"
# One event a frame would hold F12 back behind the 128 motion events SDL
# queues: over 5 s at 25 frames a second, longer on a busy machine, where
# leaving still takes well under 4 s.
limit=$(scaled_wait 4000)
[ "$took" -lt "$limit" ] || fail "F12 took $took ms to act after the mouse burst"
grep -q '^Frames rendered: ' "$work/game.out" || fail "no statistics"
echo "mouse_burst: ok (F12 acted after $took ms)"
