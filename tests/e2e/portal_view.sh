#!/usr/bin/env bash
# starts first: 9
# The view through a portal pair is the far side, and walking through
# arrives there. A floor opening shows the world as it is seen out of the
# partner's floor: from below the partner, looking up past it. The free view
# can look from there, and the terrain is not drawn from below, so such a
# screenshot is the picture the opening must show, turned half round (the
# view through the pair is upside down).
#
# On the home island the alpha portal is shot straight ahead of the start
# and the beta one 1.22 rad to the left; other branches hang over each. From
# one spot above the alpha portal the script takes its lone dark disc (where
# the opening lies on screen) and, once the beta portal is open, the view
# into it; from under each portal it takes the view looking the way the
# opening looks. Inside the opening the view must match
# the one from under the beta portal and clearly not the one from under the
# alpha portal. Walking ahead into the alpha portal then plays the enter
# sound and brings the hero out of the beta one facing the beta shot's
# heading, the way its view looked: the compass reads as it did when the
# hero faced that way at the start, and the beta opening lies right behind
# him.
#
# Free-view keys and the hero's turning keys act one frame each, so every
# position is exact. Before a screenshot the script toggles the main map on
# and off: the game takes one event a frame, so once the map has gone again
# every key sent before it has been handled.
: "${E2E_LIMIT:=420}"
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/sound.sh"
source "$(dirname "$0")/lib/fieldwork.sh"
run_headless "$0" "$@"

work=$(make_workdir)
trap 'rm -rf "$work"' EXIT
sounds=$work/sounds.log
# The middle of the main map, clear of the compass and the island's marker.
map=$work/map.png
crop "$TAVIR_DATA_DIR/Textures/HUD/mainMap.bmp" 400x300+200+150 "$map"

# pv_sync SHOT: waits until every key sent so far has been handled (the main
# map shown and gone again); SHOT is the world afterwards.
pv_map_shown() {
    local d
    screenshot "$1"
    d=$(picture_distance "$1" 200 150 "$map")
    SEEN="the map's middle $d from the main map"
    is_less "$d" 0.06
}
pv_sync() {
    pv_pending=0
    xdotool key m
    await "the main map never showed" 60 pv_map_shown "$1"
    xdotool key m
    await_gone "$1" "the main map stayed up" 200 150 "$map" 0.09
}
# pv_taps KEY COUNT: COUNT one-frame presses. SDL queues at most 128
# events, so the script waits for the game before it could overflow.
pv_pending=0
pv_taps() {
    local key=$1 count=$2 batch
    while [ "$count" -gt 0 ]; do
        batch=$((count > 30 ? 30 : count))
        [ $((pv_pending + 2 * batch)) -le 100 ] || pv_sync "$work/sync.png"
        xdotool key --delay 20 $(printf "$key %.0s" $(seq "$batch"))
        pv_pending=$((pv_pending + 2 * batch))
        count=$((count - batch))
    done
}
# pv_hold KEY FRAMES: KEY held for FRAMES frames (odd, at most 91), half
# the frames of as many presses: while it is down, presses of x, a key of no
# use, count the frames. The game must not run dry of events meanwhile, or
# it would go on turning: all of them go at once, after the queue is empty.
pv_hold() {
    [ "$pv_pending" -eq 0 ] || pv_sync "$work/sync.png"
    xdotool keydown "$1" key --delay 10 $(printf "x %.0s" $(seq $((($2 - 1) / 2)))) keyup "$1"
    pv_pending=$(($2 + 1))
}
# pv_key KEY: one press among the counted ones.
pv_key() { pv_taps "$1" 1; }
# pv_over: the free view from behind the hero to a point south of and above
# the portal he shot straight ahead, looking down at it (0.8 rad).
pv_over() {
    pv_key Page_Up
    pv_taps Up 3
    pv_taps w 17
    pv_taps Down 15
    pv_taps s 2
    pv_taps Up 7
}
# pv_under: from there to the same point mirrored in the ground, looking up
# as far (0.8 rad) the same way.
pv_under() {
    pv_taps s 1
    pv_taps Down 7
    pv_taps w 13
    pv_taps Up 23
}
# pv_opened COUNT: the open sound has played COUNT times and no portal closed.
pv_opened() {
    await_effect "$sounds" portalOpen "$1" 10 "no open sound"
    [ "$(field_effects "$sounds" portalClose)" -eq 0 ] || fail "a portal closed again: $(cat "$sounds")"
}
# pv_region SHOT RECT [ROTATE]: SHOT's RECT (WxH+X+Y), of the picture turned
# by ROTATE degrees, as a PNG of its own.
pv_region() {
    local out=${1%.png}-${3:-0}.png
    convert "$1" -rotate "${3:-0}" -crop "$2" +repage "$out" || fail "cannot cut $2 out of $1"
    echo "$out"
}
# pv_ncc A B: the normalised cross-correlation of two pictures of one size
# (1 the same but for brightness and contrast, 0 unrelated); the cover over
# an opening tints what it shows, which this leaves out.
pv_ncc() { image_metric NCC "$1" "$2"; }

start_logged_game "$work/game" "$sounds"
start_playing "$work"
await_music "$sounds" Music/Sounds/homeTown.wav 10 "no home-town music in play"
pv_sync "$work/near.png"

# The alpha portal, alone: its dark disc marks the opening on screen. The
# free view starts from behind the hero and Tab leaves it without moving him.
xdotool click 1
pv_opened 1
pv_over
pv_sync "$work/lone.png"
parts=$(convert "$work/lone.png" -colorspace Gray -threshold 5% -negate \
    -define connected-components:verbose=true -define connected-components:area-threshold=2000 \
    -connected-components 8 null: 2>&1) || fail "cannot find the parts of lone.png: $parts"
read -r dw dh dx dy < <(awk 'NR > 1 && $NF == "gray(255)" { split($2, b, /[x+]/); if (b[1] * b[2] > best) { best = b[1] * b[2]; r = b[1] " " b[2] " " b[3] " " b[4] } }
        END { print r }' <<<"$parts")
[ "${dw:-0}" -gt 150 ] && [ "${dh:-0}" -gt 100 ] || fail "no dark disc below the free view (${dw:-0}x${dh:-0})"
# The middle of the opening, clear of its rim.
rw=$((dw * 6 / 10)) rh=$((dh * 6 / 10))
rect=${rw}x${rh}+$((dx + (dw - rw) / 2))+$((dy + (dh - rh) / 2))
pv_under
pv_sync "$work/under-alpha.png"
pv_key Tab

# The beta portal, 1.22 rad to the left, and the view from under it.
pv_hold Left 61
pv_hold Left 61
pv_sync "$work/far.png"
xdotool click 3
pv_opened 2
pv_over
pv_under
pv_sync "$work/under-beta.png"
pv_key Tab

# Back to the first heading, and the same spot above the alpha portal.
pv_hold Right 61
pv_hold Right 61
pv_over
pv_sync "$work/pair.png"
pv_key Tab
pv_sync "$work/ahead.png"

opening=$(pv_region "$work/pair.png" "$rect")
far=$(pv_ncc "$opening" "$(pv_region "$work/under-beta.png" "$rect" 180)")
near=$(pv_ncc "$opening" "$(pv_region "$work/under-alpha.png" "$rect" 180)")
awk -v f="$far" -v n="$near" 'BEGIN { exit !(f != "" && n != "" && f > 0.4 && f > n + 0.3) }' ||
    fail "the opening does not show the far side (likeness to the far side $far, to the near side $near)"

# Walk in, two one-frame steps at a time until the enter sound has played:
# the beta opening slides off the bottom of the screen within seven frames
# of walking out, so a held key let go only once the log was read would
# leave him anywhere. The compass turns with the hero: out of the beta
# portal he faces as he did when he shot it.
steps=0
until has_played "$sounds" enterPortal 1; do
    [ "$steps" -lt 200 ] || fail "walking ahead $steps steps never entered the portal: $(cat "$sounds")"
    pv_taps w 2
    pv_sync "$work/after.png"
    steps=$((steps + 2))
done
compass=56x56+57+54
heading=$(screen_distance "$work/after.png[$compass]" "$work/far.png[$compass]")
turned=$(screen_distance "$work/after.png[$compass]" "$work/near.png[$compass]")
awk -v h="$heading" -v t="$turned" 'BEGIN { exit !(h != "" && h < 0.03 && t > 0.06) }' ||
    fail "the hero does not face the beta shot's way (compass $heading from it, $turned from the start's)"
# Right behind him, below his feet on screen, the beta opening shows the
# evening sky, which no ground there has.
sky() { measure "the sky's colour in $1" convert "$1" -crop 380x150+260+440 +repage -fx 'b > r + 0.1 && b > g + 0.1 ? 1 : 0' -format '%[fx:mean]' info:; }
behind=$(sky "$work/after.png")
before=$(sky "$work/ahead.png")
awk -v a="$behind" -v b="$before" 'BEGIN { exit !(a != "" && b != "" && a > 0.05 && a > b + 0.04) }' ||
    fail "no portal opening right behind the hero ($behind of the sky's colour there, $before before)"

alive "the walk through the portals"
quit_with_f12 "$work/game.err"
echo "portal view: far side $far, near side $near; compass $heading from the far heading, $turned from the start's; sky behind $behind after $steps steps"
