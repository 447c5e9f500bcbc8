# Shared helpers for the end-to-end scripts. Each script runs itself again
# under a private virtual display (see run_headless) and then drives the real
# game from outside, as a player would, through xdotool.
set -u

: "${TAVIR_BIN:?TAVIR_BIN must name the tavir executable}"
: "${TAVIR_DATA_DIR:?TAVIR_DATA_DIR must name the asset folder}"
: "${HEADLESS_RUN:?HEADLESS_RUN must name the headless runner}"

fail() { echo "FAIL: $*" >&2; exit 1; }

# Polling limits are stretched by E2E_WAIT_SCALE (a whole number, default 1)
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
make_workdir() {
    local dir
    dir=$(mktemp -d -t tavir-e2e.XXXXXX)
    echo "$dir"
}

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
    local limit i
    limit=$(scaled_wait "${1:-60}")
    for i in $(seq $((limit * 10))); do
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
    local limit i report
    limit=$(scaled_wait "$1")
    for i in $(seq $((limit * 10))); do
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

# screenshot FILE.png: the whole virtual screen.
screenshot() { import -display "$DISPLAY" -window root "$1"; }

# Number of distinct colours in a picture (1 means blank).
colour_count() { convert "$1" -format '%k' info:; }

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

# picture_distance SHOT X Y PICTURE [INSET]: how far the screenshot's region
# at (X, Y), the size of PICTURE, is from that picture, as a normalised RMSE
# (0 same, 1 opposite). INSET pixels are left out along every edge, for
# transparent rims.
picture_distance() {
    local shot=$1 x=$2 y=$3 picture=$4 inset=${5:-0} size w h
    size=$(identify -format '%w %h' "$picture") || return 1
    read -r w h <<<"$size"
    w=$((w - 2 * inset)) h=$((h - 2 * inset))
    compare -metric RMSE "$shot[${w}x${h}+$((x + inset))+$((y + inset))]" \
        "$picture[${w}x${h}+${inset}+${inset}]" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p'
}

# shows_picture SHOT X Y INSET PICTURE [OTHER...]: the region shows PICTURE
# (drawn through a scaled texture: close, not exact) and is nearer to it
# than to each OTHER picture that could stand there. Otherwise sets
# PICTURE_MISMATCH to why and returns 1.
shows_picture() {
    local shot=$1 x=$2 y=$3 inset=$4 picture=$5 own other d
    shift 5
    own=$(picture_distance "$shot" "$x" "$y" "$picture" "$inset")
    if [ -z "$own" ]; then
        PICTURE_MISMATCH="cannot compare with $picture"
        return 1
    fi
    if ! awk -v d="$own" 'BEGIN { exit !(d < 0.08) }'; then
        PICTURE_MISMATCH="region differs from $(basename "$picture") by $own"
        return 1
    fi
    for other in "$@"; do
        d=$(picture_distance "$shot" "$x" "$y" "$other" "$inset")
        if ! awk -v a="$own" -v b="$d" 'BEGIN { exit !(a < b) }'; then
            PICTURE_MISMATCH="region is as near $(basename "$other") ($d) as $(basename "$picture") ($own)"
            return 1
        fi
    done
}

# await_picture SHOT WHAT X Y INSET PICTURE [OTHER...]: screenshots into SHOT
# until the region shows PICTURE as shows_picture says, for up to 20 s.
await_picture() {
    local shot=$1 what=$2 i
    shift 2
    for i in $(seq "$(scaled_wait 40)"); do
        screenshot "$shot"
        shows_picture "$shot" "$@" && return 0
        kill -0 "$GAME_PID" 2>/dev/null || fail "$what: the game has ended"
        sleep 0.5
    done
    fail "$what: $PICTURE_MISMATCH"
}

# screen_distance A B: how far two screenshots are apart (normalised RMSE).
screen_distance() { compare -metric RMSE "$1" "$2" null: 2>&1 | sed -n 's/.*(\(.*\)).*/\1/p'; }
