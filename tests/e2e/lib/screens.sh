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
    for i in $(seq "$(scaled_wait 100)"); do
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
    for i in $(seq "$(scaled_wait 40)"); do
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

# screens_at_home_shop WORK NAME: screenshots into WORK/NAME.png and answers
# whether the shop's prompt shows there.
screens_at_home_shop() {
    screenshot "$1/$2.png"
    shows_picture "$1/$2.png" $SCREENS_PROMPT_AT 3 "$1/prompt.png"
}

# screens_half_turn: the hero turns round by the mouse: four moves of a
# quarter turn each, the pointer put back between them with no vertical
# part (the hero turns only with vertical motion).
screens_half_turn() {
    local i
    for i in 1 2 3 4; do
        xdotool mousemove 790 "$SCREENS_POINTER_Y"
        sleep 1
        xdotool mousemove_relative -- -785 1
        SCREENS_POINTER_Y=$((SCREENS_POINTER_Y + 1))
        sleep 1
    done
}

# screens_go_to_home_shop WORK: from play on the home island to the door of
# its shop, with the prompt showing. Sets SCREENS_PROMPT_AT (where the
# prompt's panel stands, cropped into WORK/prompt.png).
#
# The island's key puts the hero at the start facing -z; the shop stands 51
# units away behind him, 22.6 degrees to the right of straight back. The
# mouse turns the hero by dx / 1000 radians when it also moves vertically:
# he turns his back to the shop. Page Up twice then moves him to where the
# camera behind him was, 9.55 units towards the shop and 2.96 up, above the
# villagers' heads, however slow the frames are; in the air he stays up
# until he jumps. Steps cut short by trees, or by the shop itself once it
# stands between him and the camera, leave him a little away: then he turns
# round and walks up to the door.
screens_go_to_home_shop() {
    local work=$1 shop=$TAVIR_DATA_DIR/Textures/HUD/shopDisplay.bmp step i
    convert "$shop" -fuzz 0 -transparent magenta -trim +repage "$work/prompt.png"
    SCREENS_PROMPT_AT=$(convert "$shop" -fuzz 0 -transparent magenta -trim -format '%X %Y' info: | tr -d +)
    xdotool mousemove 300 300
    sleep 1
    xdotool key 0
    sleep 2
    xdotool mousemove_relative -- 394 1
    SCREENS_POINTER_Y=301
    sleep 2
    screens_at_home_shop "$work" turned && fail "the shop's prompt far from the shop"
    for step in 1 2 3 4 5; do
        xdotool key Prior
        sleep 0.5
        xdotool key Prior
        sleep 1.5
        kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended on the way to the shop"
    done
    xdotool keydown space
    sleep 0.5
    xdotool keyup space
    for i in $(seq "$(scaled_wait 30)"); do
        screens_at_home_shop "$work" landed && break
        sleep 0.5
    done
    SCREENS_FACING_SHOP=0
    screens_at_home_shop "$work" near && return 0
    screens_half_turn
    SCREENS_FACING_SHOP=1
    xdotool keydown w
    for i in $(seq "$(scaled_wait 60)"); do
        screens_at_home_shop "$work" walk && break
        kill -0 "$GAME_PID" 2>/dev/null || { xdotool keyup w; fail "the game ended on the way to the shop"; }
        sleep 0.5
    done
    xdotool keyup w
    screens_at_home_shop "$work" near || fail "no prompt near the shop: $PICTURE_MISMATCH"
}

# screens_leave_shop WORK: from the shop's door (screens_go_to_home_shop)
# the hero walks away until the prompt has gone; near a shop i and the
# island keys do nothing.
screens_leave_shop() {
    local work=$1 i
    [ "$SCREENS_FACING_SHOP" -eq 1 ] && screens_half_turn
    SCREENS_FACING_SHOP=0
    xdotool keydown w
    for i in $(seq "$(scaled_wait 60)"); do
        screens_at_home_shop "$work" away || break
        sleep 0.5
    done
    xdotool keyup w
    screens_at_home_shop "$work" away && fail "the prompt stays as the hero walks away"
    return 0
}
