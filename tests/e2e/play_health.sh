#!/usr/bin/env bash
# playthrough
# Health runs out: in the enemy town (island 11) the hero side-steps along
# the terrace towards the spirits on guard, damage on, and stays there. Their
# fire balls shorten the life bar (green, then red and shrinking) until the
# game-over picture comes with the sad song; Escape ends with status 0.
: "${E2E_LIMIT:=420}"
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/sound.sh"
source "$(dirname "$0")/lib/playthrough.sh"
run_headless "$0" "$@"

PT_WORK=$(make_workdir)
work=$PT_WORK
trap 'rm -rf "$work"' EXIT
sounds=$work/sounds.log
hud=$TAVIR_DATA_DIR/Textures/HUD
# The life bar's right end (a tenth of its length, above the mini map's
# panel): green at full health, empty once the bar has shrunk.
convert "$hud/greenHealthBar.bmp" -resize '171x38!' -crop 17x20+152+4 +repage "$work/green-end.png" ||
    fail "cannot cut out the life bar's end"
bar_end_distance() {
    crop "$1" 17x20+153+404 "$work/end.png"
    screen_distance "$work/end.png" "$work/green-end.png"
}

start_logged_game "$work/game" "$sounds"
start_playing "$work"
await_music "$sounds" Music/Sounds/homeTown.wav 20 "no home-town music in play"
xdotool key F2
await_music "$sounds" Music/Sounds/fight2.wav 20 "F2 did not bring the enemy town's music"
pt_await_still "$work/arrival.png" 0.03
d=$(bar_end_distance "$work/arrival.png")
is_less "$d" 0.1 || fail "no full life bar at the arrival ($d)"

xdotool keydown d
pt_grab_until_game_over walk 900 0.1 "the hero never lost its life among the spirits"
grabs=$PT_GRABS
xdotool keyup d
# Before the end, a shortened life bar.
short=0
for i in $(seq $((grabs - 1)) -1 $((grabs > 40 ? grabs - 40 : 1))); do
    pt_small "$work/walk$i.xwd" "$work/small.png"
    pt_small_game_over "$work/small.png" && continue
    d=$(bar_end_distance "xwd:$work/walk$i.xwd")
    if is_more "$d" 0.2; then short=$i; break; fi
done
[ "$short" -gt 0 ] || fail "the life bar never showed the hits"
pt_finish_game_over "$sounds"
echo "play_health: ok ($grabs captures, short life bar on capture $short)"
