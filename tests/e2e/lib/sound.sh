# The sound log for the end-to-end scripts: what the game gives the mixer,
# written by a preloaded shim (sound_log.c, built as tavir_sound_log and
# named by TAVIR_SOUND_SHIM). Source after common.sh.

# start_logged_game LOGPREFIX SOUNDLOG: start_game with the mixer calls
# logged to SOUNDLOG; fails unless the shim is seen to be loaded. A
# sanitizer runtime need not come first.
start_logged_game() {
    local log=$1
    SOUND_LOG=$2
    : "${TAVIR_SOUND_SHIM:?TAVIR_SOUND_SHIM must name the sound log shim}"
    [ -f "$TAVIR_SOUND_SHIM" ] || fail "no sound log shim at $TAVIR_SOUND_SHIM"
    : >"$SOUND_LOG" || fail "cannot write $SOUND_LOG"
    LD_PRELOAD=$TAVIR_SOUND_SHIM TAVIR_SOUND_LOG=$SOUND_LOG \
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" start_game "$log"
    await "the sound log shim is not loaded" 30 grep -qx 'log open' "$SOUND_LOG"
}

# sound_lines SOUNDLOG: the number of lines logged so far.
sound_lines() { measure "the lines of $1" awk 'END { print NR }' "$1"; }

# sound_count SOUNDLOG NAME: how often Music/Sounds/NAME.wav was played.
sound_count() {
    local n
    n=$(grep -c "^effect Music/Sounds/$2.wav$" "$1")
    [ $? -le 1 ] || fail "cannot read the sound log $1"
    echo "$n"
}

# has_played SOUNDLOG NAME COUNT: NAME has played COUNT times or more.
has_played() {
    local n
    n=$(sound_count "$1" "$2")
    SEEN="$2 played $n times"
    [ "$n" -ge "$3" ]
}

# await_effect SOUNDLOG NAME COUNT SECONDS WHAT: until NAME has played COUNT
# times, within SECONDS (scaled); fails with WHAT.
await_effect() { await "$5" "$4" has_played "$1" "$2" "$3"; }

# last_music SOUNDLOG: the file of the track started last.
last_music() {
    [ -r "$1" ] || fail "cannot read the sound log $1"
    sed -n 's/^music //p' "$1" | tail -1
}

# music_is SOUNDLOG FILE: FILE is the track started last.
music_is() {
    SEEN="last music $(last_music "$1")"
    [ "$(last_music "$1")" = "$2" ]
}

# await_music SOUNDLOG FILE SECONDS [WHAT]: waits until FILE is the track
# started last; with WHAT, fails with it, otherwise answers.
await_music() {
    local end
    if [ $# -ge 4 ]; then
        await "$4" "$3" music_is "$1" "$2"
        return 0
    fi
    end=$((SECONDS + $(scaled_wait "$3")))
    while [ "$SECONDS" -lt "$end" ]; do
        music_is "$1" "$2" && return 0
        kill -0 "$GAME_PID" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# mixer_since SOUNDLOG FROM: the effects (by file name alone, as "play
# NAME") and the music's pauses and resumes logged after line FROM.
mixer_since() {
    [ -r "$1" ] || fail "cannot read the sound log $1"
    tail -n +$(($2 + 1)) "$1" | grep -E '^(effect |pause music$|resume music$)' | sed 's|^effect .*/|play |'
}

# mixer_is SOUNDLOG FROM EXPECTED: exactly these calls after line FROM.
mixer_is() {
    SEEN="$(mixer_since "$1" "$2" | tr '\n' ';')"
    [ "$(mixer_since "$1" "$2")" = "$3" ]
}

# await_mixer SOUNDLOG FROM EXPECTED: waits up to 20 s for exactly these
# calls after line FROM (one a line).
await_mixer() { await "mixer calls other than $(tr '\n' ';' <<<"$3")" 20 mixer_is "$@"; }
