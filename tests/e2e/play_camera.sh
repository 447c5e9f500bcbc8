#!/usr/bin/env bash
# playthrough
# The camera keys as a player uses them on the home island and island 1:
# Tab puts the camera in the hero's eyes (its body leaves the view) and
# back; Page Up frees the camera where it is, w then flies it on past the
# hero, and Page Up again brings the hero to the camera, seen from behind at
# the new place. Flown down below island 1's water level (the game asks
# only the height), the free camera sees everything tinted blue and the
# music turns down (a log of the mixer's volume calls), both undone when it
# rises again.
: "${E2E_LIMIT:=420}"
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/sound.sh"
source "$(dirname "$0")/lib/playthrough.sh"
run_headless "$0" "$@"

PT_WORK=$(make_workdir)
work=$PT_WORK
trap 'rm -rf "$work"' EXIT
sounds=$work/sounds.log
# The tint's deep blue (not the water's light blue) over the view, right of
# the HUD.
blue_share() {
    measure "the blue tint of $1" convert "$1" -crop 600x600+200+0 +repage -resize '60x60!' -fx '(b > 0.35 && r < 0.25 && g < 0.25) ? 1 : 0' \
        -format '%[fx:mean]' info:
}
# volume_is N: the music's volume was last set to N.
volume_is() {
    SEEN="$(grep '^volume ' "$sounds" | tail -1)"
    [ "$SEEN" = "volume $1" ]
}
above() { awk -v d="$1" -v t="$2" 'BEGIN { exit !(d > t) }'; }
below() { awk -v d="$1" -v t="$2" 'BEGIN { exit !(d < t) }'; }

start_logged_game "$work/game" "$sounds"
start_playing "$work"
await_music "$sounds" Music/Sounds/homeTown.wav 20 "no home-town music in play"
xdotool key End 0

# Tab: first person and back.
await_view_rest "$work/third.png"
third=$(hero_share "$work/third.png")
above "$third" 0.015 || fail "no hero in the middle of the third-person view ($third)"
xdotool key Tab
await_view_rest "$work/first.png"
first=$(hero_share "$work/first.png")
below "$first" 0.01 || fail "Tab left the hero's body in view ($first)"
xdotool key Tab
await_view_rest "$work/third2.png"
d=$(screen_distance "$work/third.png" "$work/third2.png")
below "$d" 0.03 || fail "Tab again did not bring the third-person view back ($d)"

# Page Up: the camera stays where it was, now free.
xdotool key Prior
await_view_rest "$work/free.png"
d=$(screen_distance "$work/third2.png" "$work/free.png")
below "$d" 0.03 || fail "Page Up moved the camera ($d)"
pt_taps w 15
await_view_rest "$work/flown.png"
flown=$(hero_share "$work/flown.png")
below "$flown" 0.01 || fail "the free camera did not fly past the hero ($flown)"
# Page Up again: the hero comes to the camera; a step lands it.
xdotool key --delay 100 Prior w
await_view_rest "$work/moved.png"
moved=$(hero_share "$work/moved.png")
above "$moved" 0.015 || fail "no hero in view after Page Up again ($moved)"
d=$(screen_distance "$work/third2.png" "$work/moved.png")
above "$d" 0.05 || fail "the hero is where it was ($d)"

# Under water: island 1, the free camera tilted steeply down and flown
# below the water's level.
xdotool key 1
await_music "$sounds" Music/Sounds/birdsChirping.wav 20 "1 did not bring island 1's music"
pt_await_still "$work/dry.png" 0.02
dry=$(blue_share "$work/dry.png")
grep -q '^volume 20$' "$sounds" && fail "the music was turned down before any water"
xdotool key --delay 100 Prior Down Down Down Down Down Down Down Down Down Down
pt_taps w 45
await "the music was not turned down under water" 60 volume_is 20
pt_await_still "$work/wet.png" 0.02
wet=$(blue_share "$work/wet.png")
above "$wet" 0.8 || fail "no blue tint under water ($wet, $dry above it)"
pt_taps s 45
await "the music stays turned down" 60 volume_is 100
pt_await_still "$work/dry2.png" 0.02
dry2=$(blue_share "$work/dry2.png")
below "$dry2" 0.2 || fail "the blue tint stays above the water ($dry2)"

quit_with_f12 "$work/game.err"
echo "play_camera: ok (hero $third/$first/$flown/$moved, blue $dry/$wet/$dry2)"
