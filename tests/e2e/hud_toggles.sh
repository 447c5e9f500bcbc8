#!/usr/bin/env bash
# playthrough
# The heads-up display in play, as a player uses it: the full life bar, m
# showing and hiding the world map, p showing the paused picture over a
# world and music that stand still until p again, and c switching the
# compass (checked while paused, where nothing else moves).
# The music is read from SDL's disk audio output.
source "$(dirname "$0")/lib/common.sh"
# Start-up and the menu take most of the run on a busy machine.
export E2E_LIMIT=${E2E_LIMIT:-480}
run_headless "$0" "$@"

work=$(make_workdir)
trap 'rm -rf "$work"' EXIT
hud=$TAVIR_DATA_DIR/Textures/HUD
story=$TAVIR_DATA_DIR/Story

# region_distance A B GEOMETRY: how far the same region of two screenshots is.
region_distance() {
    crop "$1" "$3" "$work/ra.png" && crop "$2" "$3" "$work/rb.png" && screen_distance "$work/ra.png" "$work/rb.png"
}
above() { awk -v d="$1" -v t="$2" 'BEGIN { exit !(d > t) }'; }
below() { awk -v d="$1" -v t="$2" 'BEGIN { exit !(d < t) }'; }
# audio_bytes FROM: the disk audio written since byte FROM, as hex digits
# without the zero bytes (empty: silence).
audio_size() { measure "the disk audio written" stat -c %s "$work/audio.raw"; }
audio_sound() { tail -c +$(($1 + 1)) "$work/audio.raw" | od -An -v -tx1 | tr -d ' \n' | sed 's/00//g'; }

export SDL_AUDIODRIVER=disk SDL_DISKAUDIOFILE=$work/audio.raw
start_game "$work/game"
wait_for_window 60 || fail "no window; stderr: $(cat "$work/game.err")"
start_playing "$work"

# Play: the standard set, with a full green life bar at (1, 400) to
# (172, 438); the mini map's panel covers its lowest rows.
convert "$hud/greenHealthBar.bmp" -resize '171x38!' -crop 171x28+0+0 +repage "$work/green.png" || fail "cannot scale the life bar"
convert "$hud/redHealthBar.bmp" -resize '171x38!' -crop 171x28+0+0 +repage "$work/red.png" || fail "cannot scale the life bar"
await_picture "$work/play.png" "full life bar" 1 400 3 "$work/green.png" "$work/red.png"

# m: the world map over everything (its right half: the compass stands on
# the left), and m again gives the play picture back.
crop "$hud/mainMap.bmp" 400x600+400+0 "$work/map-right.png"
xdotool key m
await_picture "$work/map.png" "world map after m" 400 0 0 "$work/map-right.png"
xdotool key m
await_gone "$work/unmapped.png" "the world map stays after m again" 400 0 "$work/map-right.png"
d=$(picture_distance "$work/unmapped.png" 1 400 "$work/green.png" 3)
below "$d" 0.08 || fail "no life bar after the world map ($d)"

# p: the paused picture; the world stands still and the music stops.
below "$(audio_size)" 1 && fail "no disk audio written"
panel=$(convert "$TAVIR_DATA_DIR/Textures/pausedImage.bmp" -fuzz 0 -transparent magenta -trim -format '%w %h %X %Y' info:)
read -r pw ph px py <<<"$panel"
[[ $pw$ph$px$py =~ ^[0-9]+[0-9]+\+[0-9]+\+[0-9]+$ ]] || fail "cannot find the paused panel: $panel"
crop "$TAVIR_DATA_DIR/Textures/pausedImage.bmp" "${pw}x${ph}${px}${py}" "$work/paused-panel.png"
xdotool key p
await_picture "$work/paused1.png" "paused picture after p" "${px#+}" "${py#+}" 3 "$work/paused-panel.png"
# The frame that showed the picture may be the first paused one.
await_still "$work/paused1.png" 0.0001
from=$(audio_size)
# Paused, the world stands still over time while the frames go on.
hold_off 1
screenshot "$work/paused2.png"
still=$(screen_distance "$work/paused1.png" "$work/paused2.png")
[ "$still" = 0 ] || fail "the world moves while paused ($still)"
[ -z "$(audio_sound "$from")" ] || fail "sound while paused"
[ "$(audio_size)" -gt "$from" ] || fail "the disk audio stopped being written"

# c, with the world standing still: the compass in the upper left goes,
# and comes back as it was.
compass=220x170+0+0
crop "$work/paused2.png" $compass "$work/compass-on.png"
compass_gone() {
    screenshot "$work/compass-off.png"
    crop "$work/compass-off.png" $compass "$work/compass-now.png"
    SEEN="the compass's corner $(screen_distance "$work/compass-on.png" "$work/compass-now.png") from the paused one"
    above "$(screen_distance "$work/compass-on.png" "$work/compass-now.png")" 0.05
}
xdotool key c
await "c left the compass up" 20 compass_gone
d=$(region_distance "$work/paused2.png" "$work/compass-off.png" 580x600+220+0)
[ "$d" = 0 ] || fail "c changed more than the compass ($d)"
compass_back() {
    screenshot "$work/compass-back.png"
    SEEN="$(screen_distance "$work/paused2.png" "$work/compass-back.png") from the paused picture"
    [ "$(screen_distance "$work/paused2.png" "$work/compass-back.png")" = 0 ]
}
xdotool key c
await "c again did not bring the compass back as it was" 20 compass_back

# p again: the picture goes and the music plays on.
xdotool key p
await_gone "$work/resumed.png" "the paused picture stays after p again" "${px#+}" "${py#+}" "$work/paused-panel.png" 0.1
from=$(audio_size)
sounding() { SEEN="$(($(audio_size) - from)) bytes of silence"; [ -n "$(audio_sound "$from")" ]; }
await "the music did not resume" 10 sounding

quit_with_f12 "$work/game.err"
