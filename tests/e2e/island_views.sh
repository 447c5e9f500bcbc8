#!/usr/bin/env bash
# starts first: 7
# Every island as a player first sees it: start a game, jump to each island
# with its key and photograph it from where the island puts the hero. Each
# key must change the island: its music starts (from a log of the mixer
# calls) and its picture differs from the home island's and the menu's. The
# thirteen pictures go onto one contact sheet in the build folder
# (contact-islands.png).
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/sound.sh"
E2E_LIMIT=${E2E_LIMIT:-420} run_headless "$0" "$@"

work=$(make_workdir)
trap 'rm -rf "$work"' EXIT
sounds=$work/sounds.log

start_logged_game "$work/game" "$sounds"
start_playing "$work"
await_music "$sounds" Music/Sounds/homeTown.wav 20 "no home-town music in play"
cp "$work/play.png" "$work/home.png"

# An order in which no island shares its music with the one before, so
# that each key must start a track; home comes last.
order=(1 4 2 6 3 7 5 8 9 10 11 12 0)
keys=(0 1 2 3 4 5 6 7 8 9 F1 F2 F3)
s=Music/Sounds
music=($s/homeTown.wav $s/birdsChirping.wav $s/birdsChirping.wav $s/birdsChirping.wav $s/waterfall.wav
    Music/Soundtrack1Peril.wav $s/wind.wav $s/wind.wav $s/wind.wav $s/lotr.wav $s/thunder.wav $s/fight2.wav
    $s/bossTheme.wav)
# started FROM TRACK: TRACK started after line FROM of the sound log.
started() {
    SEEN="$(tail -n +$(($1 + 1)) "$sounds" | grep '^music' | tr '\n' ';')"
    tail -n +$(($1 + 1)) "$sounds" | grep -qx "music $2"
}
previous=$work/home.png
for island in "${order[@]}"; do
    from=$(sound_lines "$sounds")
    xdotool key "${keys[$island]}"
    await "key ${keys[$island]} started no ${music[$island]}" 20 started "$from" "${music[$island]}"
    # Entering islands 5, 9 and 12 starts a camera flight: skip it.
    case $island in 5|9|12) xdotool key Escape ;; esac
    # The hero lands and the camera settles behind it.
    await_still "$work/island$island.png" 0.03 RMSE 2 60
    others=("$work/menu.png" "$previous")
    [ "$island" -eq 0 ] || others+=("$work/home.png")
    for other in "${others[@]}"; do
        d=$(screen_distance "$other" "$work/island$island.png")
        is_more "$d" 0.04 || fail "island $island looks like $(basename "$other") ($d)"
    done
    previous=$work/island$island.png
done

quit_with_f12 "$work/game.err" 60

sheet="${TAVIR_BINARY_DIR:-.}/contact-islands.png"
labels=()
for island in $(seq 0 12); do labels+=(-label "island $island" "$work/island$island.png"); done
montage "${labels[@]}" -tile 5x -geometry 400x300+6+6 -font /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf -pointsize 18 -background '#202028' -fill white "$sheet" ||
    fail "could not write $sheet"
echo "island_views: ok, sheet in $sheet"
