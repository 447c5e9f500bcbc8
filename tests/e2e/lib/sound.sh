# The mixer logger for the end-to-end scripts (see sound_log.c).

# build_sound_log DIR: compiles the logger into DIR/sound_log.so.
build_sound_log() {
    cc -shared -fPIC -O1 $(sdl-config --cflags) -o "$1/sound_log.so" \
        "$(dirname "${BASH_SOURCE[0]}")/sound_log.c" -ldl -lpthread
}

# start_logged_game LOGPREFIX SOUNDLOG LIB: start_game with the mixer logged
# to SOUNDLOG through the logger LIB. A sanitizer runtime need not come first.
start_logged_game() {
    local log=$1 sounds=$2 lib=$3
    : >"$sounds"
    LD_PRELOAD=$lib TAVIR_SOUND_LOG=$sounds \
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" start_game "$log"
}

# last_music SOUNDLOG: the file of the track started last.
last_music() { sed -n 's/^music //p' "$1" | tail -1; }

# await_music SOUNDLOG FILE SECONDS: waits until FILE is the track started last.
await_music() {
    local sounds=$1 file=$2 limit i
    limit=$(scaled_wait "$3")
    for i in $(seq $((limit * 10))); do
        [ "$(last_music "$sounds")" = "$file" ] && return 0
        kill -0 "$GAME_PID" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# start_playing WORK: from the menu to play on the home island: start, the
# intro picture, and Escape out of the opening flight.
start_playing() {
    local work=$1 story=$TAVIR_DATA_DIR/Story menu=$TAVIR_DATA_DIR/Textures/MainMenu
    wait_for_window 60 || fail "no window; stderr: $(cat "$work/game.err")"
    await_picture "$work/menu.png" "start button" 290 200 8 "$menu/startButtonUp.bmp" "$menu/resumeButtonUp.bmp"
    xdotool mousemove 400 230 click 1
    await_picture "$work/intro.png" "intro picture" 0 0 0 "$story/IntroStory.bmp" "$story/GameOverStory.bmp"
    xdotool key Escape
    sleep 1
    xdotool key Escape
    sleep 1
}
