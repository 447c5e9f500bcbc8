#!/usr/bin/env bash
# playthrough
# Walking off the world: on island 7 the hero backs off the cliff behind its
# arrival and falls. The camera follows until the hero drops below -20, then
# stays where it is and looks straight down at the falling hero (a picture,
# not a blank or broken view); at -400 the game-over picture comes with the
# sad song, play keys do nothing, and Escape ends the game with status 0.
: "${E2E_LIMIT:=300}"
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/sound.sh"
source "$(dirname "$0")/lib/playthrough.sh"
run_headless "$0" "$@"

PT_WORK=$(make_workdir)
work=$PT_WORK
trap 'rm -rf "$work"' EXIT
sounds=$work/sounds.log

start_logged_game "$work/game" "$sounds"
start_playing "$work"
await_music "$sounds" Music/Sounds/homeTown.wav 20 "no home-town music in play"
# No damage: only the fall may end this game.
xdotool key End 7
await_music "$sounds" Music/Sounds/wind.wav 20 "7 did not bring island 7's music"
# A slow build may pause between two frames of the camera's swing into
# place, and that pause looks still: look again for a while.
standing() {
    pt_await_still "$work/stand.png" 0.03
    pt_is_game_over "$work/stand.png" && fail "game over before the walk"
    warm=$(pt_warm_sky "$work/stand.png")
    SEEN="warm sky $warm"
    is_more "$warm" 0.05
}
await "no sky behind the hero at the start" 30 standing

# Fifty steps back (a tap is one frame's step), the last ones in the air:
# then no key at all, since in free view keys move the camera. Quick
# captures while the hero falls; the pictures are judged afterwards.
pt_taps s 50
pt_grab_until_game_over fall 600 0.05 "backing off the cliff never ended the game"
grabs=$PT_GRABS
# Looking straight down from where the camera stopped: no horizon, and a
# proper picture (many colours), before the game-over picture.
down_view=0
for i in $(seq "$grabs"); do
    pt_small "$work/fall$i.xwd" "$work/small.png"
    pt_small_game_over "$work/small.png" && break
    warm=$(pt_warm_sky "$work/small.png")
    if is_less "$warm" 0.02 && [ "$(colour_count "$work/small.png")" -gt 100 ]; then
        down_view=$((down_view + 1))
        cp "$work/small.png" "$work/down$down_view.png"
    fi
done
[ "$down_view" -gt 0 ] || fail "no downward view while falling ($grabs captures)"
# The camera no longer follows: away from the hero in the middle, the
# downward view stands still.
if [ "$down_view" -gt 1 ]; then
    d=$(screen_distance "$work/down1.png[60x40+100+0]" "$work/down$down_view.png[60x40+100+0]")
    is_less "$d" 0.03 || fail "the camera moves on after the hero passed -20 ($d)"
fi
pt_finish_game_over "$sounds"
echo "play_fall: ok ($grabs captures, $down_view looking down)"
