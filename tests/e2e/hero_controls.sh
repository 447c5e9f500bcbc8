#!/usr/bin/env bash
# playthrough
# The hero as a player steers it on the home island: w walks, Left turns,
# Space jumps and lands where it left, the mouse pitches the view, and a
# motion along one axis alone moves nothing. The checks wait for the
# picture to settle instead of timing frames, so a slow renderer only
# makes the run longer.
E2E_LIMIT=${E2E_LIMIT:-560}
source "$(dirname "$0")/lib/common.sh"
run_headless "$0" "$@"

work=$(make_workdir)
trap 'rm -rf "$work"' EXIT

start_game "$work/game"
wait_for_window 60 || fail "no window; stderr: $(cat "$work/game.err")"
xdotool mousemove 20 20
await_picture "$work/menu.png" "the start button" 290 200 8 "$TAVIR_DATA_DIR/Textures/MainMenu/startButtonUp.bmp" \
    "$TAVIR_DATA_DIR/Textures/MainMenu/startButtonOver.bmp"
shot() { screenshot "$work/$1.png"; }
# Pixels that differ between two shots, beyond a little noise.
differ() { image_metric AE "$work/$1.png" "$work/$2.png" -fuzz 2% | awk '{ printf "%d", $1 }'; }
# The home island's spirits wander on their own (see E2E_VIEW_STILL).
STILL=$E2E_VIEW_STILL
MOVED=60000
# settle NAME: waits until the view rests, and keeps the last shot.
settle() { await_view_rest "$work/$1.png"; }
# differs REF NAME: a shot unlike REF.
differs() { local n; shot "$2"; n=$(differ "$1" "$2"); SEEN="$n pixels differ from $1"; [ "$n" -gt $MOVED ]; }
# until_differs REF NAME WHAT: polls for a shot unlike REF.
until_differs() { await "$3" 20 differs "$1" "$2"; }
# Pixels of the sky in the top third: the sunset's purples and pinks are
# the only colours there bluer than they are green.
sky() { measure "the sky of $1" convert "$work/$1.png" -crop 800x200+0+0 +repage -fx 'b > g ? 1 : 0' -format '%[fx:int(mean*w*h)]' info:; }
hold() { xdotool keydown "$1"; sleep "$2"; xdotool keyup "$1"; }

# Start on the menu; Escape leaves the intro picture for the opening
# flight, and Escape again, once the flight moves, skips it into play.
xdotool mousemove 400 230 click 1
await_picture "$work/intro.png" "intro picture after start" 0 0 0 "$TAVIR_DATA_DIR/Story/IntroStory.bmp" \
    "$TAVIR_DATA_DIR/Story/GameOverStory.bmp"
xdotool key Escape
await_gone "$work/flight1.png" "Escape left the intro picture up" 0 0 "$TAVIR_DATA_DIR/Story/IntroStory.bmp"
until_differs flight1 flight2 "no opening flight after the intro picture"
xdotool key Escape

settle idle
# Nothing moves over a while with no input.
hold_off 1
shot idle2
[ "$(differ idle idle2)" -le $STILL ] || fail "the picture moves with no input"

hold w 1.5
settle walked
[ "$(differ idle walked)" -gt $MOVED ] || fail "w did not move the hero"

hold Left 1.5
settle turned
[ "$(differ walked turned)" -gt $MOVED ] || fail "Left did not turn the hero"

xdotool key space
# The jump is short: look as often as the screen can be read.
E2E_POLL_GAP=0 until_differs turned jumping "Space did not lift the hero"
settle landed
[ "$(differ turned landed)" -le $STILL ] || fail "the hero did not land where it jumped ($(differ turned landed) pixels differ)"

# Motion along x alone: neither turn nor pitch, and no jump of the view,
# whatever the heading (some level headings meet the angle's rounding).
for turn in $(seq 4); do
    hold Left 0.$((turn % 3 + 1))
    settle heading
    xdotool mousemove_relative -- 5 0
    # Nothing shows that the motion was taken: it is given time.
    hold_off 1
    settle across
    [ "$(differ heading across)" -le $STILL ] || fail "a motion along x alone moved the view (heading $turn)"
done

# Up and across, then down and across: the view rises, showing more sky,
# then drops again.
xdotool mousemove_relative -- 20 -150
until_differs across up "the mouse did not pitch the view"
settle up
[ "$(differ across up)" -gt $MOVED ] || fail "the mouse did not pitch the view"
[ "$(sky up)" -gt "$(sky across)" ] || fail "looking up shows no more sky ($(sky up) vs $(sky across))"
xdotool mousemove_relative -- 20 150
until_differs up down "the mouse did not pitch the view down"
settle down
[ "$(sky down)" -lt "$(sky up)" ] || fail "looking down shows as much sky ($(sky down) vs $(sky up))"

xdotool key F12
wait_for_exit 30 || fail "the game did not quit on F12"
[ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS"
[ ! -s "$work/game.err" ] || fail "errors: $(cat "$work/game.err")"
! grep -qi 'error' "$work/game.out" || fail "console: $(grep -i error "$work/game.out")"
echo "hero_controls: ok"
