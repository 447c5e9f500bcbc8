#!/usr/bin/env bash
# Start-up and the paced loop as a player sees them: the ten loading lines
# before the window, an 800x600 window with an 8-bit stencil, a picture, at
# most 25 frames a second, and F12 ending the game with status 0 and the
# frame statistics.
source "$(dirname "$0")/lib/common.sh"
run_headless "$0" "$@"

work=$(make_workdir)
trap 'rm -rf "$work"' EXIT

start_game "$work/game"
wait_for_window 60 || fail "no window; stderr: $(cat "$work/game.err")"
opened=$(date +%s%N)
# The whole world is built before the window opens.
before=$(cat "$work/game.out")
expected="Loading worlds...
Connecting island portals...
Generating trees from grammers...
Growing grass and flowers...
Randomly creating plotline...
Seg fault... just kidding :)...
Loading octrees...
Making villagers squeak...
Spinning disk drive for fun...
Deriving theories of relativity..."
loading=$(grep -E '^(Loading worlds|Connecting island|Generating trees|Growing grass|Randomly creating|Seg fault|Loading octrees|Making villagers|Spinning disk|Deriving theories)' <<<"$before")
[ "$loading" = "$expected" ] || fail "loading lines before the window:
$loading"

window=$(game_window)
geometry=$(xwininfo -id "$window" | awk '/Width:/ {w = $2} /Height:/ {h = $2} END {print w "x" h}')
[ "$geometry" = 800x600 ] || fail "window is $geometry"
stencil=$(stencil_bits "$window")
[ "$stencil" = 8 ] || fail "stencil buffer has '${stencil}' bits"

await_drawn "$work/shot.png"
colours=$(colour_count "$work/shot.png")
[ -n "${TAVIR_KEEP_SHOT:-}" ] && cp "$work/shot.png" "$TAVIR_KEEP_SHOT"
size=$(identify -format '%wx%h' "$work/shot.png")
[ "$size" = 800x600 ] || fail "screen is $size"

# The span over which the loop's pace is measured.
sleep 4
xdotool key F12
stopped=$(date +%s%N)
wait_for_exit 30 || fail "the game did not quit on F12"
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS; stderr: $(cat "$work/game.err")"

stats=$(tail -n 3 "$work/game.out")
grep -qE '^Frames rendered: [0-9]+$' <<<"$(sed -n 1p <<<"$stats")" || fail "statistics: $stats"
grep -qE '^Frames rendered late: [0-9]+$' <<<"$(sed -n 2p <<<"$stats")" || fail "statistics: $stats"
grep -qE '^Time late per frame: [0-9]+ \(ms\)$' <<<"$(sed -n 3p <<<"$stats")" || fail "statistics: $stats"

# Frames since start-up over the time the window was open (plus the short
# start before it): never more than 25 a second, and the loop goes on. How
# near 25 a busy machine comes is the frame benchmark's to say.
frames=$(sed -n 's/^Frames rendered: //p' <<<"$stats")
elapsed_ms=$(((stopped - opened) / 1000000))
rate=$((frames * 1000 / elapsed_ms))
[ "$frames" -ge 4 ] && [ "$rate" -le 27 ] || fail "$frames frames in $elapsed_ms ms: $rate a second"
echo "game_loop: ok ($frames frames in $elapsed_ms ms, $colours colours)"
