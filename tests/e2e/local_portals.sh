#!/usr/bin/env bash
# playthrough
# The portal pair as a player uses it on the home island: a left click at
# the ground opens the alpha portal (a dark disc while it is alone) with the
# open sound, a right click elsewhere the beta portal, whose opening then
# shows the world behind the other one; walking into a portal plays
# the enter sound and changes the view; b switches the hero's shadow, which
# darkens the ground below the horizon only. The sounds are read from a log
# that a preloaded shim (lib/soundlog.c) writes of the mixer's calls.
source "$(dirname "$0")/lib/common.sh"
run_headless "$0" "$@"

work=$(make_workdir)
trap 'rm -rf "$work"' EXIT
cc -shared -fPIC -o "$work/soundlog.so" "$(dirname "$0")/lib/soundlog.c" -ldl || fail "cannot build the sound log"
log=$work/sounds.log
: >"$log"

# sound_count NAME: how often the effect Music/Sounds/NAME.wav was played.
sound_count() { grep -c "^effect Music/Sounds/$1.wav$" "$log"; }
# await_sound NAME COUNT SECONDS: until it has played COUNT times.
await_sound() {
    local i
    for i in $(seq $(($3 * 10))); do
        [ "$(sound_count "$1")" -ge "$2" ] && return 0
        kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended waiting for $1"
        sleep 0.1
    done
    return 1
}
# dark_share SHOT: the share of nearly black pixels where the first portal
# opens, ahead of the hero.
dark_share() { convert "$1" -crop 320x140+240+140 +repage -colorspace Gray -threshold 5% -format '%[fx:1-mean]' info:; }
# turn KEY: holds the key until the view has turned well away (a slow
# renderer turns less in a given time), at most 20 s.
turn() {
    local i d
    screenshot "$work/turn-from.png"
    xdotool keydown "$1"
    for i in $(seq 40); do
        sleep 0.5
        screenshot "$work/turn-to.png"
        d=$(screen_distance "$work/turn-from.png" "$work/turn-to.png")
        awk -v d="$d" 'BEGIN { exit !(d > 0.12) }' && break
    done
    xdotool keyup "$1"
}

(cd "$TAVIR_DATA_DIR" && LD_PRELOAD="$work/soundlog.so" TAVIR_SOUND_LOG="$log" exec "$TAVIR_BIN" \
    >"$work/game.out" 2>"$work/game.err") &
GAME_PID=$!
wait_for_window 60 || fail "no window; stderr: $(cat "$work/game.err")"
# The window can show before the menu music starts on a slow build.
for i in $(seq "$(scaled_wait 100)"); do
    grep -q "^music Music/Soundtrack1Peril.wav$" "$log" && break
    sleep 0.1
done
grep -q "^music Music/Soundtrack1Peril.wav$" "$log" || fail "the sound log records nothing: $(cat "$log")"

# Start, then Escape past the intro picture and the opening flight. A slow
# build may not show the intro yet a second after the click, and an Escape
# sent too early leaves the flight running.
story=$TAVIR_DATA_DIR/Story
menu=$TAVIR_DATA_DIR/Textures/MainMenu
await_picture "$work/menu.png" "start button" 290 200 8 "$menu/startButtonUp.bmp" "$menu/resumeButtonUp.bmp"
xdotool mousemove 400 230 click 1
await_picture "$work/intro.png" "intro picture" 0 0 0 "$story/IntroStory.bmp" "$story/GameOverStory.bmp"
xdotool key Escape
sleep 1
xdotool key Escape
# A slow renderer may still show the dark of the first frames.
for i in $(seq 60); do
    sleep 0.5
    screenshot "$work/play.png"
    before=$(dark_share "$work/play.png")
    awk -v d="$before" 'BEGIN { exit !(d < 0.5) }' && break
done
sleep 1
screenshot "$work/play.png"
before=$(dark_share "$work/play.png")

xdotool click 1
await_sound portalOpen 1 10 || fail "no open sound after a left click: $(cat "$log")"
# Eight frames to grow; a slow renderer takes its time over them.
sleep 3
for i in $(seq "$(scaled_wait 10)"); do
    [ "$(sound_count portalClose)" -eq 0 ] || fail "the alpha portal closed again"
    screenshot "$work/alpha.png"
    alone=$(dark_share "$work/alpha.png")
    awk -v a="$alone" -v b="$before" 'BEGIN { exit !(a > b + 0.02) }' && break
    sleep 1
done
awk -v a="$alone" -v b="$before" 'BEGIN { exit !(a > b + 0.02) }' ||
    fail "no dark disc ahead after the left click ($before before, $alone after)"

# Turn away and open the beta portal where it fits.
opened=1
for try in 1 2 3 4; do
    turn Left
    closes=$(sound_count portalClose)
    xdotool click 3
    await_sound portalOpen $((opened + 1)) 10 || fail "no open sound after a right click"
    opened=$((opened + 1))
    sleep 3
    [ "$(sound_count portalClose)" -eq "$closes" ] && break
    [ "$try" -lt 4 ] || fail "every beta portal closed again"
done
[ "$(sound_count portalClose)" -lt "$opened" ] || fail "the alpha portal went with a beta one"
# The beta portal lies where the alpha one lay on the screen, and with a
# partner its opening shows the world behind the other one, not a dark disc.
sleep 1
screenshot "$work/pair.png"
paired=$(dark_share "$work/pair.png")
awk -v p="$paired" -v a="$alone" 'BEGIN { exit !(p < a - 0.02) }' ||
    fail "the beta opening stays dark with a partner ($alone alone, $paired paired)"

# Walk in. A fast renderer turns further, and the way may then cross the
# village elder, whose story stops the world until Return.
xdotool keydown w
entered=1
for i in $(seq "$(scaled_wait 15)"); do
    await_sound enterPortal 1 1 && { entered=0; break; }
    if [ "$(sound_count finishQuestItem)" -gt "${stories:-0}" ]; then
        stories=$(sound_count finishQuestItem)
        xdotool keyup w
        sleep 1
        xdotool key Return
        sleep 1
        xdotool keydown w
    fi
done
xdotool keyup w
[ "$entered" -eq 0 ] || fail "walking ahead never entered the portal: $(cat "$log")"
sleep 1
screenshot "$work/through.png"
moved=$(screen_distance "$work/pair.png" "$work/through.png")
awk -v d="$moved" 'BEGIN { exit !(d > 0.05) }' || fail "the view did not change through the portal ($moved)"

# The shadow: off, on, off again; what the shadow changes lies on the
# ground around the hero, not in the far distance at the top of the
# picture, and it only darkens. With the light low behind him the shadow
# reaches well up the picture, so only the top 150 rows count as far.
sleep 3
screenshot "$work/shadow-off.png"
xdotool key b
sleep 1
screenshot "$work/shadow-on.png"
xdotool key b
sleep 1
screenshot "$work/shadow-off2.png"
still=$(screen_distance "$work/shadow-off.png" "$work/shadow-off2.png")
# Wandering spirits move a little of the picture on their own.
awk -v d="$still" 'BEGIN { exit !(d < 0.06) }' || fail "the view moves while nobody plays ($still)"
above=$(compare -metric AE -fuzz 3% "$work/shadow-off.png[800x150+0+0]" "$work/shadow-on.png[800x150+0+0]" null: 2>&1)
below=$(compare -metric AE -fuzz 3% "$work/shadow-off.png[800x300+0+300]" "$work/shadow-on.png[800x300+0+300]" null: 2>&1)
noise=$(compare -metric AE -fuzz 3% "$work/shadow-off.png" "$work/shadow-off2.png" null: 2>&1)
[ "${below%.*}" -gt 1500 ] || fail "b casts no shadow ($below pixels change below the hero)"
[ "${above%.*}" -le $((${noise%.*} + 200)) ] || fail "the shadow changes the distance ($above pixels, $noise between two plain frames)"
# Minus takes the first picture from the second.
darker=$(convert "$work/shadow-on.png[800x300+0+300]" "$work/shadow-off.png[800x300+0+300]" -compose minus \
    -composite -colorspace Gray -format '%[fx:mean]' info:)
lighter=$(convert "$work/shadow-off.png[800x300+0+300]" "$work/shadow-on.png[800x300+0+300]" -compose minus \
    -composite -colorspace Gray -format '%[fx:mean]' info:)
# A spirit walking below the eye line brightens some pixels too.
awk -v d="$darker" -v l="$lighter" 'BEGIN { exit !(d > 2 * l) }' || fail "the shadow does not darken ($darker, $lighter)"

kill "$GAME_PID"
wait "$GAME_PID" 2>/dev/null
grep -v "^Failed to load\|^ERROR Loading" "$work/game.err" | grep -qi "assert\|error" && fail "errors: $(cat "$work/game.err")"
echo "local portals: open $(sound_count portalOpen), close $(sound_count portalClose), enter $(sound_count enterPortal)"
