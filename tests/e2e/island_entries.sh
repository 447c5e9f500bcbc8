#!/usr/bin/env bash
# starts first: 5
# playthrough
# Entering the islands through the island keys, as a player shortens the
# way: each island brings its own music (read from a log of the mixer
# calls), the region banner shows on the first entry into islands 1, 6, 10
# and 11 and not on the next, island 5's cut scene comes only once, and
# island 9's scene, played to its end, is done when the hero comes back.
: "${E2E_LIMIT:=480}"
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/sound.sh"
run_headless "$0" "$@"

work=$(make_workdir)
trap 'rm -rf "$work"' EXIT
sounds=$work/sounds.log
hud=$TAVIR_DATA_DIR/Textures/HUD
birds=Music/Sounds/birdsChirping.wav

# banner_distance SHOT BANNER: how far the banner's plaque at the top of the
# screen is from the screenshot (normalised RMSE).
banner_distance() { image_metric RMSE "$1[400x90+200+80]" "$2[400x90+200+80]"; }
# banner_is SHOWN|GONE BANNER: a screenshot with the banner's plaque shown
# or gone.
banner_is() {
    local d
    screenshot "$work/banner.png"
    d=$(banner_distance "$work/banner.png" "$2")
    SEEN="the plaque differs by $d"
    if [ "$1" = shown ]; then is_less "$d" 0.1; else is_more "$d" 0.2; fi
}
# await_banner NAME: the banner shows, then goes by itself.
await_banner() {
    await "no $1 banner on the first entry" 10 banner_is shown "$hud/$1Texture.bmp"
    await "the $1 banner stays up" 30 banner_is gone "$hud/$1Texture.bmp"
}
# no_banner NAME: for some four seconds (stretched for slow builds), longer
# than a banner's 89 frames at full speed, the banner is not drawn: the
# game's own timing is what this checks.
no_banner() {
    local banner=$hud/$1Texture.bmp i d
    for i in $(seq "$(scaled_wait 12)"); do
        banner_is gone "$banner" || fail "the $1 banner shows again ($SEEN)"
        sleep 0.3
    done
}
# enter KEY MUSIC: the island key brings the island's music.
enter() {
    xdotool key "$1"
    await_music "$sounds" "$2" 10 "key $1 did not bring $2"
}
# keys_act_within SECONDS: an island key (2) acts, pressed once a second,
# within the time; false while a cut scene holds the keys.
keys_act_within() {
    local i
    for i in $(seq "$1"); do
        xdotool key 2
        await_music "$sounds" "$birds" 1 && return 0
    done
    return 1
}

start_logged_game "$work/game" "$sounds"
start_playing "$work"
await_music "$sounds" Music/Sounds/homeTown.wav 10 "no home-town music in play"

# The entry table, with each banner once.
enter 1 "$birds"
await_banner msitu
enter 4 Music/Sounds/waterfall.wav
enter 1 "$birds"
no_banner msitu
enter 6 Music/Sounds/wind.wav
await_banner njeve
enter 3 "$birds"
enter 7 Music/Sounds/wind.wav
enter 2 "$birds"
enter 8 Music/Sounds/wind.wav
enter F1 Music/Sounds/thunder.wav
await_banner uzulu
enter F2 Music/Sounds/fight2.wav
await_banner endelea
enter 0 Music/Sounds/homeTown.wav
enter 6 Music/Sounds/wind.wav
no_banner njeve
enter F1 Music/Sounds/thunder.wav
no_banner uzulu

# Island 5: its scene holds the keys the first time only.
# The keys come after the island's, one event a frame: the scene has begun.
enter 5 Music/Soundtrack1Peril.wav
! keys_act_within 2 || fail "an island key acted during island 5's first cut scene"
xdotool key Escape
keys_act_within "$(scaled_wait 5)" || fail "the keys stay held after skipping island 5's scene"
enter 5 Music/Soundtrack1Peril.wav
keys_act_within "$(scaled_wait 3)" || fail "island 5's cut scene came again"

# Island 9: the scene plays to its end, and is done on the next entry.
enter 9 Music/Sounds/lotr.wav
! keys_act_within 2 || fail "an island key acted during island 9's cut scene"
keys_act_within "$(scaled_wait 90)" || fail "island 9's cut scene never ended"
enter 9 Music/Sounds/lotr.wav
keys_act_within "$(scaled_wait 3)" || fail "island 9's finished scene played again"

alive "the island entries"
quit_with_f12 "$work/game.err"
echo "island_entries: ok"
