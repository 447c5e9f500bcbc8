# Helpers for the scripts that drive the inventory and the shops: the mixer
# call log, the description panels and the hero's gold read from the coin
# piles. Source after common.sh; every name starts with screens_.

# screens_start WORK: builds the mixer logger, starts the game with its calls
# logged to WORK/mixer.log, and plays from the menu through the intro picture
# and the opening flight to the home island. Sets SCREENS_LOG.
screens_start() {
    local work=$1 tex=$TAVIR_DATA_DIR/Textures
    ${CC:-cc} -shared -fPIC -O1 -o "$work/mixer_log.so" "$(dirname "${BASH_SOURCE[0]}")/mixer_log.c" -ldl ||
        fail "cannot build the mixer log"
    SCREENS_LOG=$work/mixer.log
    : >"$SCREENS_LOG"
    TAVIR_MIXER_LOG=$SCREENS_LOG LD_PRELOAD=$work/mixer_log.so \
        ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}verify_asan_link_order=0" start_game "$work/game"
    wait_for_window 90 || fail "no window; stderr: $(cat "$work/game.err")"
    xdotool mousemove 20 20
    await_picture "$work/menu.png" "the menu" 290 200 8 "$tex/MainMenu/startButtonUp.bmp" \
        "$tex/MainMenu/startButtonOver.bmp"
    xdotool mousemove 400 230 click 1
    await_picture "$work/intro.png" "intro picture after start" 0 0 0 "$TAVIR_DATA_DIR/Story/IntroStory.bmp"
    xdotool key Escape
    sleep 1
    xdotool key Escape
    sleep 2
    grep -q '^load Music/Sounds/turnInMenu.wav' "$SCREENS_LOG" || fail "the mixer log has no effects loaded"
}

# The number of mixer calls logged so far.
screens_log_lines() { wc -l <"$SCREENS_LOG"; }

# screens_mixer_since FROM: the calls logged after line FROM, effects by file
# name alone, loads left out.
screens_mixer_since() { tail -n +$(($1 + 1)) "$SCREENS_LOG" | grep -v '^load ' | sed 's|^play .*/|play |'; }

# screens_await_mixer FROM EXPECTED: waits up to 20 s for exactly these calls
# after line FROM (one a line).
screens_await_mixer() {
    local i
    for i in $(seq 100); do
        [ "$(screens_mixer_since "$1")" = "$2" ] && return 0
        sleep 0.2
    done
    fail "mixer calls: $(screens_mixer_since "$1" | tr '\n' ';') instead of $(tr '\n' ';' <<<"$2")"
}

# screens_panel WORK NAME: crops the opaque part of the description picture
# Textures/NAME.bmp into WORK/NAME.png and sets PANEL_AT to "X Y", where it
# stands on the screen.
screens_panel() {
    local work=$1 name=$2 picture=$TAVIR_DATA_DIR/Textures/$2.bmp geometry
    geometry=$(convert "$picture" -fuzz 0 -transparent magenta -trim -format '%wx%h%X%Y' info:)
    convert "$picture" -crop "$geometry" +repage "$work/$name.png"
    PANEL_AT="$(sed 's/.*x[0-9]*+\([0-9]*\)+.*/\1/' <<<"$geometry") $(sed 's/.*+//' <<<"$geometry")"
}

# The region of the screen the coin piles can cover (up to 400 gold).
SCREENS_COINS_W=300 SCREENS_COINS_H=130 SCREENS_COINS_X=110 SCREENS_COINS_Y=400

# screens_coin_picture WORK BACKGROUND GOLD: WORK/coins-GOLD.png, the coin
# region as the screen with BACKGROUND (a Textures name) shows GOLD: twenties
# (at most 25), tens, fives and ones in rows from x 120, 10 apart, 30 wide
# and 62 tall, from y 410, 420, 440 and 460, under the frame.
screens_coin_picture() {
    local work=$1 back=$2 gold=$3 tex=$TAVIR_DATA_DIR/Textures
    local twenties tens fives ones r args=() k
    twenties=$((gold / 20))
    [ "$twenties" -gt 25 ] && twenties=25
    r=$((gold - 20 * twenties))
    tens=$((r / 10))
    fives=$(((r - 10 * tens) / 5))
    ones=$((r - 10 * tens - 5 * fives))
    screens_coin_row() {  # TEXTURE COUNT Y
        local k
        for k in $(seq 0 $(($2 - 1))); do
            args+=("(" "$tex/$1.bmp" -fuzz 2% -transparent magenta -resize '30x62!' ")" \
                -geometry "+$((120 + 10 * k))+$3" -composite)
        done
    }
    screens_coin_row goldIcon20 "$twenties" 410
    screens_coin_row goldIcon10 "$tens" 420
    screens_coin_row coinIcon "$fives" 440
    screens_coin_row goldIcon1 "$ones" 460
    convert "$tex/$back.bmp" "${args[@]}" \
        "(" "$tex/inventoryBack.bmp" -fuzz 2% -transparent magenta ")" -composite \
        -crop "${SCREENS_COINS_W}x${SCREENS_COINS_H}+${SCREENS_COINS_X}+${SCREENS_COINS_Y}" +repage \
        "$work/coins-$gold.png"
}

# screens_gold_distance SHOT PICTURE: how far the shot's coin region is from
# a picture made by screens_coin_picture (normalised RMSE).
screens_gold_distance() {
    compare -metric RMSE \
        "$1[${SCREENS_COINS_W}x${SCREENS_COINS_H}+${SCREENS_COINS_X}+${SCREENS_COINS_Y}]" "$2" null: 2>&1 |
        sed -n 's/.*(\(.*\)).*/\1/p'
}

# screens_await_gold WORK BACKGROUND WHAT GOLD [OTHER...]: screenshots into
# WORK/gold.png until its coin region is the one GOLD shows and nearer to
# it than to each OTHER amount's, for up to 20 s.
screens_await_gold() {
    local work=$1 back=$2 what=$3 gold=$4 i own d other why
    shift 4
    for g in "$gold" "$@"; do
        [ -f "$work/coins-$g.png" ] || screens_coin_picture "$work" "$back" "$g"
    done
    for i in $(seq 40); do
        screenshot "$work/gold.png"
        own=$(screens_gold_distance "$work/gold.png" "$work/coins-$gold.png")
        why=""
        if awk -v d="$own" 'BEGIN { exit !(d < 0.08) }'; then
            for other in "$@"; do
                d=$(screens_gold_distance "$work/gold.png" "$work/coins-$other.png")
                awk -v a="$own" -v b="$d" 'BEGIN { exit !(a < b) }' ||
                    why="as near $other gold ($d) as $gold ($own)"
            done
            [ -z "$why" ] && return 0
        else
            why="the coins differ from $gold gold by $own"
        fi
        kill -0 "$GAME_PID" 2>/dev/null || fail "$what: the game has ended"
        sleep 0.5
    done
    fail "$what: $why"
}
