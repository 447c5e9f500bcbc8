#!/usr/bin/env bash
# A nature overlay missing from the pack costs its plants, not the game: the
# game reports the file in one line on standard error, opens its window,
# draws and quits on F12 with status 0.
source "$(dirname "$0")/lib/common.sh"
run_headless "$0" "$@"

work=$(make_workdir)
trap 'rm -rf "$work"' EXIT

missing=NatureOverlays/islandHomeGrass.bmp
pack=$work/pack
pack_without "$pack" "$missing"

start_game "$work/game" "$pack"
wait_for_window 120 || fail "no window; stderr: $(cat "$work/game.err")"
await_drawn "$work/shot.png"
quit_with_f12 "$work/game.err"

! grep -v "\"$missing\"" "$work/game.err" | grep -q 'NatureOverlays/' ||
    fail "an overlay that is there was reported: $(cat "$work/game.err")"
[ "$(grep -c "Nature overlay \"$missing\": cannot be opened" "$work/game.err")" -eq 1 ] ||
    fail "the missing overlay was not reported in one line: $(cat "$work/game.err")"
echo "missing_overlay: ok"
