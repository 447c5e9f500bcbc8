#!/usr/bin/env bash
# playthrough
# The portal pair as a player uses it on the home island: a left click at
# the ground opens the alpha portal (a dark disc while it is alone) with the
# open sound, a right click elsewhere the beta portal, whose opening then
# shows the world behind the other one; walking into a portal plays
# the enter sound and changes the view; b switches the hero's shadow, which
# darkens the ground below the horizon only. The sounds are read from a log
# of the mixer's calls.
: "${E2E_LIMIT:=420}"
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/sound.sh"
run_headless "$0" "$@"

work=$(make_workdir)
trap 'rm -rf "$work"' EXIT
log=$work/sounds.log
story=$TAVIR_DATA_DIR/Story

count() { sound_count "$log" "$1"; }
# dark_share SHOT: the share of nearly black pixels where the first portal
# opens, ahead of the hero.
dark_share() {
    measure "the dark share of $1" convert "$1" -crop 320x140+240+140 +repage -colorspace Gray -threshold 5% \
        -format '%[fx:1-mean]' info:
}
# turn KEY: holds the key until the view has turned well away (a slow
# renderer turns less in a given time), for at most 10 s: some headings
# look much alike. Then waits for the view to rest.
turn() {
    await_still "$work/turn-from.png"
    xdotool keydown "$1"
    try_await 10 shot_moved "$work/turn-to.png" "$work/turn-from.png" 0.12
    xdotool keyup "$1"
    is_more "$(screen_distance "$work/turn-from.png" "$work/turn-to.png")" 0.04 || fail "$1 did not turn the view"
    await_still "$work/turned.png"
}
# pixels_changed A B REGION: pixels that differ beyond a 3% fuzz.
pixels_changed() { image_metric AE "$1${3:+[$3]}" "$2${3:+[$3]}" -fuzz 3%; }

start_logged_game "$work/game" "$log"
start_playing "$work"
before=$(dark_share "$work/play.png")

# The alpha portal grows over eight frames into a dark disc ahead.
xdotool click 1
await_effect "$log" portalOpen 1 10 "no open sound after a left click"
disc_seen() {
    [ "$(count portalClose)" -eq 0 ] || fail "the alpha portal closed again"
    screenshot "$work/alpha.png"
    alone=$(dark_share "$work/alpha.png")
    SEEN="dark share $alone, $before before"
    is_more "$alone" "$(awk -v b="$before" 'BEGIN { print b + 0.02 }')"
}
await "no dark disc ahead after the left click" 20 disc_seen
await_still "$work/alpha.png"
alone=$(dark_share "$work/alpha.png")

# Turn away and open the beta portal where it fits: one that does not fit
# closes while it grows, so each is waited out until the view rests, and a
# second longer.
opened=1
for try in 1 2 3 4; do
    turn Left
    closes=$(count portalClose)
    xdotool click 3
    opened=$((opened + 1))
    await_effect "$log" portalOpen "$opened" 10 "no open sound after a right click"
    await_still "$work/beta.png"
    hold_off 1
    [ "$(count portalClose)" -eq "$closes" ] && break
    [ "$try" -lt 4 ] || fail "every beta portal closed again"
done
[ "$(count portalClose)" -lt "$opened" ] || fail "the alpha portal went with a beta one"
# The beta portal lies where the alpha one lay on the screen, and with a
# partner its opening shows the world behind the other one, not a dark disc.
await_still "$work/pair.png"
paired=$(dark_share "$work/pair.png")
is_less "$paired" "$(awk -v a="$alone" 'BEGIN { print a - 0.02 }')" ||
    fail "the beta opening stays dark with a partner ($alone alone, $paired paired)"

# Walk in. A fast renderer turns further, and the way may then cross the
# village elder, whose story stops the world until Return.
stories=0
entered() {
    has_played "$log" enterPortal 1 && return 0
    if [ "$(count finishQuestItem)" -gt "$stories" ]; then
        stories=$(count finishQuestItem)
        xdotool keyup w
        await_picture "$work/story.png" "the elder's story on the way" 0 0 0 "$story/VillageElderStory.bmp"
        xdotool key Return
        await_gone "$work/story.png" "Return left the story up" 0 0 "$story/VillageElderStory.bmp"
        xdotool keydown w
    fi
    return 1
}
xdotool keydown w
await "walking ahead never entered the portal" 20 entered
xdotool keyup w
await_change "$work/through.png" "$work/pair.png" "the view did not change through the portal" 0.05

# The shadow: off, on, off again; what the shadow changes lies on the
# ground around the hero, not in the far distance at the top of the
# picture, and it only darkens. With the light low behind him the shadow
# reaches well up the picture, so only the top 150 rows count as far.
# Wandering spirits move a little of the picture on their own.
await_still "$work/shadow-off.png" 0.05
shadow_changed() {  # THAN SHOT: the ground below the hero changed from THAN
    screenshot "$2"
    SEEN="$(pixels_changed "$1" "$2" 800x300+0+300) pixels changed below the hero"
    is_more "$(pixels_changed "$1" "$2" 800x300+0+300)" 1500
}
xdotool key b
await "b casts no shadow" 20 shadow_changed "$work/shadow-off.png" "$work/shadow-on.png"
await_still "$work/shadow-on.png" 0.05
xdotool key b
await "b again leaves the shadow" 20 shadow_changed "$work/shadow-on.png" "$work/shadow-off2.png"
await_still "$work/shadow-off2.png" 0.05
still=$(screen_distance "$work/shadow-off.png" "$work/shadow-off2.png")
is_less "$still" 0.06 || fail "the view moves while nobody plays ($still)"
above=$(pixels_changed "$work/shadow-off.png" "$work/shadow-on.png" 800x150+0+0)
below=$(pixels_changed "$work/shadow-off.png" "$work/shadow-on.png" 800x300+0+300)
noise=$(pixels_changed "$work/shadow-off.png" "$work/shadow-off2.png")
is_more "$below" 1500 || fail "b casts no shadow ($below pixels change below the hero)"
! is_more "$above" "$(awk -v n="$noise" 'BEGIN { print n + 200 }')" || fail "the shadow changes the distance ($above pixels, $noise between two plain frames)"
# Minus takes the first picture from the second.
darker=$(measure "the shadow's darkening" convert "$work/shadow-on.png[800x300+0+300]" \
    "$work/shadow-off.png[800x300+0+300]" -compose minus -composite -colorspace Gray -format '%[fx:mean]' info:)
lighter=$(measure "the shadow's lightening" convert "$work/shadow-off.png[800x300+0+300]" \
    "$work/shadow-on.png[800x300+0+300]" -compose minus -composite -colorspace Gray -format '%[fx:mean]' info:)
# A spirit walking below the eye line brightens some pixels too.
awk -v d="$darker" -v l="$lighter" 'BEGIN { exit !(d > 2 * l) }' || fail "the shadow does not darken ($darker, $lighter)"

quit_with_f12 "$work/game.err"
grep -v "^Failed to load\|^ERROR Loading" "$work/game.err" | grep -qi "assert\|error" && fail "errors: $(cat "$work/game.err")"
echo "local portals: open $(count portalOpen), close $(count portalClose), enter $(count enterPortal)"
