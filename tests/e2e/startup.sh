#!/usr/bin/env bash
# The game opens its 800x600 window, draws, and quits on F12 with status 0.
source "$(dirname "$0")/lib/common.sh"
run_headless "$0" "$@"

work=$(make_workdir)
trap 'rm -rf "$work"' EXIT

start_game "$work/game"
wait_for_window 60 || fail "no window; stderr: $(cat "$work/game.err")"
sleep 1
screenshot "$work/shot.png"
size=$(identify -format '%wx%h' "$work/shot.png")
[ "$size" = 800x600 ] || fail "screen is $size"
quit_with_f12 "$work/game.err"
[ "$(colour_count "$work/shot.png")" -gt 0 ] || fail "no picture"
echo "startup: ok"
