# Helpers of the playthrough scripts (source after common.sh and sound.sh).
#
# The game takes one input event a frame, in order, so a tapped key is held
# for exactly one frame: a w tap in free view moves the camera one unit, an
# arrow tap tilts it 0.1 rad, a Left tap turns the hero 0.01 rad. Taps give
# routes that do not depend on how fast a busy machine draws.

# pt_taps KEY COUNT: taps KEY COUNT times. SDL keeps at most 128 pending
# events, so long runs go in batches, each waited out on screen.
pt_taps() {
    local key=$1 count=$2 batch
    while [ "$count" -gt 0 ]; do
        batch=$((count > 50 ? 50 : count))
        xdotool key --delay 25 $(printf "$key %.0s" $(seq "$batch"))
        count=$((count - batch))
        [ "$count" -gt 0 ] && await_view_rest "$PT_WORK/calm.png"
    done
    return 0
}

# pt_await_still SHOT LIMIT: screenshots until two in a row are within LIMIT
# (normalised RMSE) of each other, up to 40 s; the last stays in SHOT.
pt_await_still() { await_still "$1" "$2"; }

# pt_is_game_over SHOT: the game-over picture fills the screen.
pt_is_game_over() {
    shows_picture "$1" 0 0 0 "$TAVIR_DATA_DIR/Story/GameOverStory.bmp" "$TAVIR_DATA_DIR/Story/IntroStory.bmp"
}

# pt_finish_game_over SOUNDLOG: what ends every lost game: the picture
# stays over a frozen world, the sad song plays, and Escape leaves with
# status 0 and no statistics.
pt_finish_game_over() {
    local sounds=$1
    await_music "$sounds" Music/Sounds/sadSong.wav 10 "no sad music at game over"
    screenshot "$PT_WORK/over1.png"
    pt_is_game_over "$PT_WORK/over1.png" || fail "no game-over picture: $PICTURE_MISMATCH"
    # The world stands still over time: frames go on, nothing in them moves.
    hold_off 1
    screenshot "$PT_WORK/over2.png"
    pt_is_game_over "$PT_WORK/over2.png" || fail "the game-over picture went away: $PICTURE_MISMATCH"
    [ "$(screen_distance "$PT_WORK/over1.png" "$PT_WORK/over2.png")" = 0 ] || fail "the game-over picture moves"
    # Keys of play do nothing now; nothing shows that they were taken, so
    # they are given time.
    xdotool key w p 1
    hold_off 1
    screenshot "$PT_WORK/over3.png"
    [ "$(screen_distance "$PT_WORK/over2.png" "$PT_WORK/over3.png")" = 0 ] || fail "play keys act after game over"
    [ "$(last_music "$sounds")" = Music/Sounds/sadSong.wav ] || fail "the music changed after game over"
    xdotool key Escape
    wait_for_exit 30 || fail "Escape did not end the lost game"
    [ "$GAME_STATUS" -eq 0 ] || fail "Escape after game over: exit status $GAME_STATUS; stderr: $(cat "$PT_WORK/game.err")"
    ! grep -q '^Frames rendered' "$PT_WORK/game.out" || fail "Escape after game over printed statistics"
    ! grep -q 'ERROR: AddressSanitizer\|runtime error\|Assertion' "$PT_WORK/game.err" ||
        fail "errors: $(cat "$PT_WORK/game.err")"
}

# pt_warm_sky SHOT: the share of the upper half in the sunset's warm tones,
# seen only while the view looks out towards the horizon.
pt_warm_sky() {
    measure "the warm sky of $1" convert "$1" -resize '160x120!' -crop 160x60+0+0 +repage \
        -fx '(r > 0.6 && r > b + 0.15) ? 1 : 0' -format '%[fx:mean]' info:
}

# pt_grab FILE: a quick raw capture of the screen (X window dump), for
# dense sequences; pt_png turns one into a PNG.
pt_grab() { xwd -display "$DISPLAY" -root -silent >"$1" && [ -s "$1" ] || fail "cannot capture the screen into $1"; }
pt_png() { convert "xwd:$1" "$2" || fail "cannot read the capture $1"; }
# pt_small FILE OUT: a capture scaled to 160x120, quick to judge.
pt_small() { convert "xwd:$1" -scale 160x120 "$2" || fail "cannot read the capture $1"; }
# pt_small_game_over SMALL: a scaled capture shows the game-over picture.
pt_small_game_over() {
    [ -f "$PT_WORK/over-small.png" ] ||
        convert "$TAVIR_DATA_DIR/Story/GameOverStory.bmp" -scale '160x120!' "$PT_WORK/over-small.png" ||
        fail "cannot scale the game-over picture"
    is_less "$(screen_distance "$1" "$PT_WORK/over-small.png")" 0.08
}

# pt_grab_until_game_over NAME COUNT PAUSE WHAT: quick captures
# PT_WORK/NAMEi.xwd, PAUSE seconds apart, until the game-over picture
# shows, at most COUNT (scaled); fails with WHAT otherwise. Sets PT_GRABS
# to the number taken.
pt_grab_until_game_over() {
    local name=$1 count i
    count=$(scaled_wait "$2")
    PT_GRABS=0
    for i in $(seq "$count"); do
        PT_GRABS=$i
        pt_grab "$PT_WORK/$name$i.xwd"
        if [ $((i % 8)) -eq 0 ]; then
            pt_small "$PT_WORK/$name$i.xwd" "$PT_WORK/small.png"
            pt_small_game_over "$PT_WORK/small.png" && return 0
            alive "$4"
        fi
        sleep "$3"
    done
    fail "$4 ($PT_GRABS captures)"
}
