#!/usr/bin/env bash
# Play with the heads-up frame and both mini-map pictures gone from the
# pack: each is reported once, the world stays in sight instead of a white
# screen, and the rest of the display (the life bar) still shows.
source "$(dirname "$0")/lib/common.sh"
export E2E_LIMIT=${E2E_LIMIT:-360}
run_headless "$0" "$@"

work=$(make_workdir)
trap 'rm -rf "$work"' EXIT
hud=$TAVIR_DATA_DIR/Textures/HUD
missing="hudFrame minimapBack minimapFront"

pack=$work/pack
pack_without "$pack" Textures/HUD/hudFrame.bmp Textures/HUD/minimapBack.bmp Textures/HUD/minimapFront.bmp

start_game "$work/game" "$pack"
start_playing "$work"

# The full green life bar at (1, 400); the mini map's panel covers its
# lowest rows.
convert "$hud/greenHealthBar.bmp" -resize '171x38!' -crop 171x28+0+0 +repage "$work/green.png" ||
    fail "cannot crop the green life bar"
convert "$hud/redHealthBar.bmp" -resize '171x38!' -crop 171x28+0+0 +repage "$work/red.png" ||
    fail "cannot crop the red life bar"
await_picture "$work/play.png" "life bar in play" 1 400 3 "$work/green.png" "$work/red.png"

# The upper right, clear of the compass: the world, not a white cover.
mean=$(measure "the world's region" convert "$work/play.png" -crop 400x300+400+0 +repage -format '%[fx:mean]' info:)
colours=$(measure "the world's colours" convert "$work/play.png" -crop 400x300+400+0 +repage -format '%k' info:)
is_less "$mean" 0.9 || fail "the world is covered (mean $mean)"
is_more "$colours" 50 || fail "the world is hidden ($colours colours)"

quit_with_f12 "$work/game.err"
for picture in $missing; do
    reports=$(grep -c "^Failed to load image Textures/HUD/$picture.bmp$" "$work/game.out")
    [ "$reports" -eq 1 ] || fail "$picture.bmp reported $reports times"
done
others=$(grep '^Failed to load image' "$work/game.out" | grep -v 'HUD/\(hudFrame\|minimapBack\|minimapFront\)\.bmp$')
[ -z "$others" ] || fail "pictures that are there were reported: $others"
echo "hud_missing_pictures: ok"
