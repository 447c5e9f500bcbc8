# Shared helpers for the end-to-end scripts. Each script runs itself again
# under a private virtual display (see run_headless) and then drives the real
# game from outside, as a player would, through xdotool.
#
# Every measurement fails closed: a screenshot, comparison, crop, count or
# log read that yields no figure fails the script at once, naming what could
# not be measured, also from inside $(...) or a pipeline.
set -u

: "${TAVIR_BIN:?TAVIR_BIN must name the tavir executable}"
: "${TAVIR_DATA_DIR:?TAVIR_DATA_DIR must name the asset folder}"
: "${HEADLESS_RUN:?HEADLESS_RUN must name the headless runner}"

E2E_SCRIPT_PID=$$
trap 'exit 1' USR1
# fail MESSAGE: ends the script with status 1; from a subshell it ends the
# script too.
fail() {
    echo "FAIL: $*" >&2
    [ "$BASHPID" = "$E2E_SCRIPT_PID" ] || kill -USR1 "$E2E_SCRIPT_PID"
    exit 1
}

# Waiting limits are stretched by E2E_WAIT_SCALE (a whole number, default 1)
# for slow builds, such as the sanitizer build of the game.
scaled_wait() { echo $(($1 * ${E2E_WAIT_SCALE:-1})); }

# run_headless "$0" "$@": re-enter the calling script under its own display.
run_headless() {
    local script=$1; shift
    if [ -z "${TAVIR_UNDER_DISPLAY:-}" ]; then
        TAVIR_UNDER_DISPLAY=1 exec bash "$HEADLESS_RUN" -t "$(scaled_wait "${E2E_LIMIT:-240}")" -- bash "$script" "$@"
    fi
}

# A fresh folder for one run's logs and files.
make_workdir() { mktemp -d -t tavir-e2e.XXXXXX || fail "cannot make a work folder"; }

# start_game LOGPREFIX [DIR]: start the game in DIR (default: the asset folder)
# with its output in LOGPREFIX.out and LOGPREFIX.err. Sets GAME_PID and
# GAME_ERR.
start_game() {
    local log=$1 dir=${2:-$TAVIR_DATA_DIR}
    GAME_ERR=$log.err
    (cd "$dir" && exec "$TAVIR_BIN" >"$log.out" 2>"$log.err") &
    GAME_PID=$!
}

# Waits until the game's window exists (up to SECONDS, default 60).
wait_for_window() {
    local end
    end=$((SECONDS + $(scaled_wait "${1:-60}")))
    while [ "$SECONDS" -lt "$end" ]; do
        if xdotool search --name '^Tavir$' >/dev/null 2>&1; then return 0; fi
        kill -0 "$GAME_PID" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

# sanitizer_report [FILE]: the sanitizer reports in the game's stderr
# (default GAME_ERR); nothing when there are none.
sanitizer_report() {
    local file=${1:-${GAME_ERR:-}}
    [ -n "$file" ] && [ -f "$file" ] || return 0
    grep -q 'ERROR: AddressSanitizer\|ERROR: LeakSanitizer\|runtime error:\|SUMMARY: [A-Za-z]*Sanitizer' "$file" &&
        sed -n '/=================\|runtime error:/,$p' "$file" | head -80
}

# quit_with_f12 ERRFILE [SECONDS]: F12 ends the game within SECONDS
# (default 30) with status 0 and no sanitizer report in ERRFILE, its
# standard error.
quit_with_f12() {
    GAME_ERR=$1
    xdotool key F12
    wait_for_exit "${2:-30}" || fail "F12 did not end the game"
    [ "$GAME_STATUS" -eq 0 ] || fail "exit status $GAME_STATUS; stderr: $(cat "$GAME_ERR")"
}

# wait_for_exit SECONDS: waits for the game to end; sets GAME_STATUS. A
# sanitizer report in the game's stderr fails the script.
wait_for_exit() {
    local end report
    end=$((SECONDS + $(scaled_wait "$1")))
    while [ "$SECONDS" -lt "$end" ]; do
        if ! kill -0 "$GAME_PID" 2>/dev/null; then
            wait "$GAME_PID"
            GAME_STATUS=$?
            report=$(sanitizer_report)
            [ -z "$report" ] || fail "sanitizer report (exit status $GAME_STATUS):
$report"
            return 0
        fi
        sleep 0.1
    done
    kill -KILL "$GAME_PID" 2>/dev/null
    wait "$GAME_PID" 2>/dev/null
    GAME_STATUS=124
    return 1
}

# alive WHAT: fails unless the game still runs.
alive() {
    kill -0 "$GAME_PID" 2>/dev/null || fail "$1: the game has ended; stderr: $(tail -20 "${GAME_ERR:-/dev/null}")"
}

# await WHAT SECONDS COMMAND...: runs COMMAND every 0.3 s until it succeeds,
# for up to SECONDS (scaled). Otherwise fails with WHAT and SEEN, which
# COMMAND sets to what it last measured. The game must run meanwhile.
await() {
    local what=$1
    shift
    try_await "$@" || fail "$what${SEEN:+ (last seen: $SEEN)}"
}

# try_await SECONDS COMMAND...: as await, but answers whether COMMAND
# succeeded in time. A failed measurement still fails the script.
try_await() {
    local end
    end=$((SECONDS + $(scaled_wait "$1")))
    shift
    SEEN=""
    while :; do
        "$@" && return 0
        [ -z "${GAME_PID:-}" ] || alive "waiting for $*"
        [ "$SECONDS" -lt "$end" ] || return 1
        sleep "${E2E_POLL_GAP:-0.3}"
    done
}

# hold_off SECONDS: time for the game to do what it must not (an absence is
# checked after it) or to go on for a while (a world that must stand still).
# Nothing on screen can tell that it has passed, so this alone is a sleep,
# stretched with the other limits.
hold_off() { sleep "$(scaled_wait "$1")"; }

# number WHAT VALUE: VALUE, which must be a number; fails naming WHAT.
number() {
    [[ $2 =~ ^-?[0-9]+(\.[0-9]+)?([eE][-+]?[0-9]+)?$ ]] || fail "cannot measure $1: got '$2'"
    echo "$2"
}

# measure WHAT COMMAND...: the one number COMMAND prints, or a failure.
measure() {
    local what=$1 out err=${TMPDIR:-/tmp}/tavir-measure.$BASHPID
    shift
    out=$("$@" 2>"$err") || { out=$(cat "$err"); rm -f "$err"; fail "cannot measure $what: $out"; }
    rm -f "$err"
    number "$what" "$out"
}

# is_less A B, is_more A B: compares two figures.
is_less() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a < b) }'; }
is_more() { awk -v a="$1" -v b="$2" 'BEGIN { exit !(a > b) }'; }

# screenshot FILE.png: the whole virtual screen.
screenshot() {
    local out
    rm -f "$1"
    out=$(import -display "$DISPLAY" -window root "$1" 2>&1) && [ -s "$1" ] || fail "cannot take a screenshot $1: $out"
}

# crop PICTURE GEOMETRY OUT: a region of a picture, as a picture of its own.
crop() {
    local out
    out=$(convert "$1" -crop "$2" +repage "$3" 2>&1) || fail "cannot crop $2 of $1: $out"
}

# Number of distinct colours in a picture (1 means blank).
colour_count() { measure "the colours of $1" convert "$1" -format '%k' info:; }

# image_metric METRIC A B [OPTION...]: compare's figure for the two
# pictures: RMSE normalised (0 same, 1 opposite), AE in pixels, NCC.
image_metric() {
    local metric=$1 a=$2 b=$3 out status figure
    shift 3
    out=$(compare -metric "$metric" "$@" "$a" "$b" null: 2>&1)
    status=$?
    [ "$status" -le 1 ] || fail "cannot compare $a with $b ($metric, status $status): $out"
    case $metric in
        RMSE) figure=$(sed -n 's/^[0-9.e+-]* (\([0-9.e+-]*\))$/\1/p' <<<"$out") ;;
        *) figure=$(grep -x '[-0-9.e+]*' <<<"$out" | tail -1) ;;
    esac
    number "the $metric of $a against $b" "$figure"
}

# screen_distance A B: how far two screenshots are apart (normalised RMSE).
screen_distance() { image_metric RMSE "$1" "$2"; }

# picture_distance SHOT X Y PICTURE [INSET]: how far the screenshot's region
# at (X, Y), the size of PICTURE, is from that picture, as a normalised RMSE
# (0 same, 1 opposite). INSET pixels are left out along every edge, for
# transparent rims.
picture_distance() {
    local shot=$1 x=$2 y=$3 picture=$4 inset=${5:-0} size w h
    size=$(identify -format '%w %h' "$picture" 2>&1) || fail "cannot read the size of $picture: $size"
    read -r w h <<<"$size"
    w=$((w - 2 * inset)) h=$((h - 2 * inset))
    image_metric RMSE "$shot[${w}x${h}+$((x + inset))+$((y + inset))]" "$picture[${w}x${h}+${inset}+${inset}]"
}

# shows_picture SHOT X Y INSET PICTURE [OTHER...]: the region shows PICTURE
# (drawn through a scaled texture: close, not exact) and is nearer to it
# than to each OTHER picture that could stand there. Otherwise sets
# PICTURE_MISMATCH (and SEEN) to why and returns 1.
shows_picture() {
    local shot=$1 x=$2 y=$3 inset=$4 picture=$5 own other d
    shift 5
    own=$(picture_distance "$shot" "$x" "$y" "$picture" "$inset")
    if ! is_less "$own" 0.08; then
        PICTURE_MISMATCH="region differs from $(basename "$picture") by $own"
        SEEN=$PICTURE_MISMATCH
        return 1
    fi
    for other in "$@"; do
        d=$(picture_distance "$shot" "$x" "$y" "$other" "$inset")
        if ! is_less "$own" "$d"; then
            PICTURE_MISMATCH="region is as near $(basename "$other") ($d) as $(basename "$picture") ($own)"
            SEEN=$PICTURE_MISMATCH
            return 1
        fi
    done
}

# shot_shows SHOT X Y INSET PICTURE [OTHER...]: a screenshot into SHOT, then
# shows_picture.
shot_shows() { screenshot "$1" && shows_picture "$@"; }

# await_picture SHOT WHAT X Y INSET PICTURE [OTHER...]: screenshots into SHOT
# until the region shows PICTURE as shows_picture says, for up to 20 s.
await_picture() {
    local shot=$1 what=$2
    shift 2
    await "$what" 20 shot_shows "$shot" "$@"
}

# shot_away SHOT X Y PICTURE [DISTANCE]: a screenshot into SHOT whose
# region at (X, Y) is further than DISTANCE (default 0.2) from PICTURE.
shot_away() {
    local d
    screenshot "$1"
    d=$(picture_distance "$1" "$2" "$3" "$4")
    SEEN="$d from $(basename "$4")"
    is_more "$d" "${5:-0.2}"
}

# await_gone SHOT WHAT X Y PICTURE [DISTANCE]: until the region no longer
# shows PICTURE (further than DISTANCE, default 0.2).
await_gone() {
    local shot=$1 what=$2
    shift 2
    await "$what" 20 shot_away "$shot" "$@"
}

# shot_moved SHOT REFERENCE DISTANCE: a screenshot into SHOT further than
# DISTANCE from REFERENCE.
shot_moved() {
    local d
    screenshot "$1"
    d=$(screen_distance "$2" "$1")
    SEEN="$d from $(basename "$2")"
    is_more "$d" "$3"
}

# await_change SHOT REFERENCE WHAT [DISTANCE] [SECONDS]: until the screen is
# further than DISTANCE (default 0.04) from REFERENCE, within SECONDS
# (default 20).
await_change() { await "$3" "${5:-20}" shot_moved "$1" "$2" "${4:-0.04}"; }

# Two screenshots in a row: the second in SHOT, then whether they are within
# LIMIT of each other (RMSE, or AE pixels with a 2% fuzz: METRIC).
E2E_STILL_PREVIOUS="" E2E_STILL_GAP=0.3
shot_still() {
    local shot=$1 limit=$2 metric=$3 d
    [ -n "$E2E_STILL_PREVIOUS" ] || { E2E_STILL_PREVIOUS=$shot.prev.png; screenshot "$E2E_STILL_PREVIOUS"; sleep "$E2E_STILL_GAP"; }
    screenshot "$shot"
    local region=${E2E_STILL_REGION:+[$E2E_STILL_REGION]}
    if [ "$metric" = AE ]; then d=$(image_metric AE "$E2E_STILL_PREVIOUS$region" "$shot$region" -fuzz 2%)
    else d=$(screen_distance "$E2E_STILL_PREVIOUS$region" "$shot$region"); fi
    SEEN="$d ($metric) between the last two screenshots"
    cp "$shot" "$E2E_STILL_PREVIOUS"
    is_less "$d" "$limit"
}
# shots_still SHOT LIMIT METRIC TIMES: TIMES still pairs in a row.
shots_still() {
    local i
    for i in $(seq "$4"); do
        shot_still "$1" "$2" "$3" || return 1
        [ "$i" -eq "$4" ] || sleep "$E2E_STILL_GAP"
    done
}

# await_still SHOT [LIMIT] [METRIC] [TIMES] [SECONDS]: until the picture
# rests: TIMES (default 1) pairs of screenshots in a row, E2E_STILL_GAP
# (default 0.3) seconds apart,
# within LIMIT (default 0.02) by METRIC (RMSE, the default, or AE). The
# last stays in SHOT. Up to SECONDS (default 40); a picture that never rests
# fails. With E2E_STILL_REGION (WxH+X+Y) only that region counts.
await_still() {
    E2E_STILL_PREVIOUS=""
    await "the picture never came to rest for $(basename "$1")" "${5:-40}" \
        shots_still "$1" "${2:-0.02}" "${3:-RMSE}" "${4:-1}"
}

# Where spirits wander in view, a few thousand pixels change with no input,
# often 0.02 to 0.03 RMSE with one close by, while a step, a turn or a
# camera move changes most of the screen.
E2E_VIEW_STILL=15000
# await_view_rest SHOT [TIMES] [SECONDS]: until the view rests, spirits
# aside: TIMES (default 1) pairs in a row within E2E_VIEW_STILL pixels, up
# to SECONDS (default 40).
await_view_rest() { await_still "$1" "$E2E_VIEW_STILL" AE "${2:-1}" "${3:-40}"; }

# drawn SHOT: a screenshot into SHOT that is not blank.
drawn() {
    screenshot "$1"
    SEEN="$(colour_count "$1") colours"
    [ "$(colour_count "$1")" -gt 1 ]
}
# await_drawn SHOT: until the game draws a picture (the first frames may
# take a while on a busy machine).
await_drawn() { await "a blank picture" 30 drawn "$1"; }

# start_playing WORK: from the menu of a fresh game (started with its output
# in WORK/game.*) to play on the home island: start, the intro picture,
# Escape into the opening flight once the picture has gone, and Escape out
# of it. An Escape the flight missed lets it run to its end, which also
# leaves the hero in play; either way the view then stands still.
start_playing() {
    local work=$1 story=$TAVIR_DATA_DIR/Story menu=$TAVIR_DATA_DIR/Textures/MainMenu
    wait_for_window 90 || fail "no window; stderr: $(cat "$work/game.err")"
    xdotool mousemove 20 20
    await_picture "$work/menu.png" "the start button" 290 200 8 "$menu/startButtonUp.bmp" \
        "$menu/startButtonOver.bmp" "$menu/resumeButtonUp.bmp"
    xdotool mousemove 400 230 click 1
    await_picture "$work/intro.png" "the intro picture after start" 0 0 0 "$story/IntroStory.bmp" \
        "$story/GameOverStory.bmp"
    xdotool key Escape
    await_gone "$work/flight.png" "Escape left the intro picture up" 0 0 "$story/IntroStory.bmp"
    xdotool key Escape
    E2E_STILL_PREVIOUS=""
    await "no still view behind the hero after the flight" 60 hero_at_rest "$work/play.png"
}

# hero_share SHOT: the share of the hero's pink hands and feet in the
# middle of the view.
hero_share() {
    measure "the hero in $1" convert "$1" -crop 300x220+250+220 +repage -resize '100x74!' \
        -fx '(r > 0.5 && g < 0.3 && b > 0.25) ? 1 : 0' -format '%[fx:mean]' info:
}

# hero_at_rest SHOT: two still screenshots in a row, the second in SHOT,
# with the hero seen from behind in the middle of the view.
hero_at_rest() {
    local hero
    shots_still "$1" 0.02 RMSE 2 || return 1
    hero=$(hero_share "$1")
    SEEN="$SEEN; hero share $hero"
    is_more "$hero" 0.015
}

# pack_without PACK FILE...: PACK, a copy of the asset pack by links, less
# the files or folders FILE (paths inside the pack).
pack_without() {
    local pack=$1 path part here entry
    shift
    mkdir -p "$pack" || fail "cannot make $pack"
    for entry in "$TAVIR_DATA_DIR"/*; do ln -s "$entry" "$pack/"; done
    for path in "$@"; do
        [ -e "$TAVIR_DATA_DIR/$path" ] || fail "the pack has no $path"
        here=""
        while [[ $path == */* ]]; do
            part=${path%%/*} path=${path#*/}
            here=$here$part/
            if [ -L "$pack/${here%/}" ]; then
                rm "$pack/${here%/}" && mkdir "$pack/${here%/}" || fail "cannot make $pack/$here"
                for entry in "$TAVIR_DATA_DIR/$here"*; do ln -s "$entry" "$pack/$here"; done
            fi
        done
        rm -rf "${pack:?}/$here$path"
        [ ! -e "$pack/$here$path" ] || fail "$here$path is still in $pack"
    done
}

# The id of the game's window.
game_window() { xdotool search --name '^Tavir$' 2>/dev/null | head -1; }

# stencil_bits WINDOW: the stencil size of the window's visual.
stencil_bits() {
    local visual
    visual=$(xwininfo -id "$1" | sed -n 's/.*Visual: 0x\([0-9a-f]*\).*/\1/p')
    glxinfo -v 2>/dev/null | awk -v id="$visual" '
        $1 == "Visual" && $2 == "ID:" { current = ($3 == id || $3 == "0x" id) }
        current && match($0, /stencilSize=[0-9]+/) { print substr($0, RSTART + 12, RLENGTH - 12); exit }'
}
