#!/usr/bin/env bash
# starts first: 10
# playthrough
# What stops the hero and what does not, walked with damage off (End): on
# the home island a house ahead; on island 3 a tree behind; on island 6 the
# back of a gate, which does not take the hero anywhere. Each time the
# picture comes to rest while the key is still held, and the island's music
# stays. Grass and flowers do not stop it: eighty side-steps left through
# the home island's flowers and eighty right again bring the view back to
# where it was (a step that was stopped would not be undone).
: "${E2E_LIMIT:=420}"
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/sound.sh"
source "$(dirname "$0")/lib/playthrough.sh"
run_headless "$0" "$@"

PT_WORK=$(make_workdir)
work=$PT_WORK
trap 'rm -rf "$work"' EXIT
sounds=$work/sounds.log
above() { is_more "$@"; }

# walk_into NAME KEY MUSIC: holds KEY until the picture rests, which must
# be away from where it started, with the island's music still on.
walk_into() {
    local name=$1 key=$2 music=$3 moved
    await_view_rest "$work/$name-start.png"
    xdotool keydown "$key"
    await_change "$work/$name-walking.png" "$work/$name-start.png" "$name: the hero did not walk" 0.05
    await_view_rest "$work/$name-stopped.png" 1 60
    xdotool keyup "$key"
    moved=$(screen_distance "$work/$name-start.png" "$work/$name-stopped.png")
    above "$moved" 0.05 || fail "$name: the hero did not walk ($moved)"
    [ "$(last_music "$sounds")" = "$music" ] || fail "$name: the music changed to $(last_music "$sounds")"
    echo "$name: stopped after walking ($moved)"
}

start_logged_game "$work/game" "$sounds"
start_playing "$work"
await_music "$sounds" Music/Sounds/homeTown.wav 20 "no home-town music in play"
xdotool key End

# Grass and flowers: there and back again by taps (a side-step is 0.2).
xdotool key 0
await_view_rest "$work/flowers-start.png"
pt_taps a 80
await_view_rest "$work/flowers-away.png"
away=$(screen_distance "$work/flowers-start.png" "$work/flowers-away.png")
above "$away" 0.05 || fail "the side-steps did not move the hero ($away)"
pt_taps d 80
await_view_rest "$work/flowers-back.png"
back=$(screen_distance "$work/flowers-start.png" "$work/flowers-back.png")
# The villagers wander; the rest of the picture is as it was.
awk -v d="$back" 'BEGIN { exit !(d < 0.03) }' || fail "the hero did not come back through the flowers ($back)"

# A house: a little to the right of straight ahead (twenty 0.01 turns).
xdotool key 0
await_view_rest "$work/turn.png"
pt_taps Right 20
walk_into house w Music/Sounds/homeTown.wav

# A tree, backing into it.
xdotool key 3
await_music "$sounds" Music/Sounds/birdsChirping.wav 20 || fail "3 did not bring island 3's music"
walk_into tree s Music/Sounds/birdsChirping.wav

# The back of a gate.
xdotool key 6
await_music "$sounds" Music/Sounds/wind.wav 20 || fail "6 did not bring island 6's music"
walk_into gate s Music/Sounds/wind.wav

quit_with_f12 "$work/game.err"
echo "play_collisions: ok (flowers: away $away, back $back)"
