# Helpers for the scripts that drive the inventory and the shops: the
# description panels and the hero's gold read from the coin piles, and the
# way to the home island's shop. Source after common.sh and sound.sh; every
# name starts with screens_.

# screens_start WORK: starts the game with its mixer calls logged to
# WORK/sounds.log and plays from the menu to the home island. Sets
# SCREENS_LOG.
screens_start() {
    local work=$1
    SCREENS_LOG=$work/sounds.log
    start_logged_game "$work/game" "$SCREENS_LOG"
    start_playing "$work"
    await "the mixer log has no effects loaded" 10 grep -q '^load Music/Sounds/turnInMenu.wav' "$SCREENS_LOG"
}

# The number of mixer calls logged so far.
screens_log_lines() { sound_lines "$SCREENS_LOG"; }

# screens_mixer_since FROM: the calls logged after line FROM (mixer_since).
screens_mixer_since() { mixer_since "$SCREENS_LOG" "$1"; }

# screens_await_mixer FROM EXPECTED: waits for exactly these calls after
# line FROM (one a line).
screens_await_mixer() { await_mixer "$SCREENS_LOG" "$1" "$2"; }

# screens_key_heard KEY EXPECTED: presses KEY and waits for exactly these
# mixer calls.
screens_key_heard() {
    local from
    from=$(screens_log_lines)
    xdotool key "$1"
    screens_await_mixer "$from" "$2"
}

# screens_panel WORK NAME: crops the opaque part of the description picture
# Textures/NAME.bmp into WORK/NAME.png and sets PANEL_AT to "X Y", where it
# stands on the screen.
screens_panel() {
    local work=$1 name=$2 picture=$TAVIR_DATA_DIR/Textures/$2.bmp geometry
    geometry=$(convert "$picture" -fuzz 0 -transparent magenta -trim -format '%wx%h%X%Y' info:) ||
        fail "cannot find the panel of $picture"
    [[ $geometry =~ ^[0-9]+x[0-9]+\+[0-9]+\+[0-9]+$ ]] || fail "cannot find the panel of $picture: $geometry"
    crop "$picture" "$geometry" "$work/$name.png"
    PANEL_AT="$(sed 's/.*x[0-9]*+\([0-9]*\)+.*/\1/' <<<"$geometry") $(sed 's/.*+//' <<<"$geometry")"
}

# screens_await_turn_end WORK BACKGROUND WHAT: the carousel's arrows, which
# stand only while no turn runs, show over BACKGROUND (a Textures name).
screens_await_turn_end() {
    local work=$1 tex=$TAVIR_DATA_DIR/Textures box at
    box=$(convert "$tex/leftArrow.bmp" -fuzz 0 -transparent magenta -trim -format '%wx%h%O' info:)
    [[ $box =~ ^[0-9]+x[0-9]+\+[0-9]+\+[0-9]+$ ]] || fail "cannot find the arrow: $box"
    if [ ! -f "$work/arrow-$2.png" ]; then
        convert "$tex/$2.bmp" "(" "$tex/leftArrow.bmp" -fuzz 2% -transparent magenta ")" -composite \
            -crop "$box" +repage "$work/arrow-$2.png" || fail "cannot draw the arrow"
        crop "$tex/$2.bmp" "$box" "$work/no-arrow-$2.png"
    fi
    at=$(sed 's/.*+\([0-9]*\)+\([0-9]*\)$/\1 \2/' <<<"$box")
    await_picture "$work/arrows.png" "$3" $at 2 "$work/arrow-$2.png" "$work/no-arrow-$2.png"
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
        "$work/coins-$gold.png" || fail "cannot draw the coins of $gold gold"
}

# screens_gold_distance SHOT PICTURE: how far the shot's coin region is from
# a picture made by screens_coin_picture (normalised RMSE).
screens_gold_distance() {
    image_metric RMSE "$1[${SCREENS_COINS_W}x${SCREENS_COINS_H}+${SCREENS_COINS_X}+${SCREENS_COINS_Y}]" "$2"
}

# screens_shows_gold WORK GOLD OTHER...: a screenshot into WORK/gold.png
# whose coins are GOLD's, nearer to them than to each OTHER amount's.
screens_shows_gold() {
    local work=$1 gold=$2 own d other
    shift 2
    screenshot "$work/gold.png"
    own=$(screens_gold_distance "$work/gold.png" "$work/coins-$gold.png")
    SEEN="the coins differ from $gold gold by $own"
    is_less "$own" 0.08 || return 1
    for other in "$@"; do
        d=$(screens_gold_distance "$work/gold.png" "$work/coins-$other.png")
        SEEN="as near $other gold ($d) as $gold ($own)"
        is_less "$own" "$d" || return 1
    done
}

# screens_await_gold WORK BACKGROUND WHAT GOLD [OTHER...]: screenshots into
# WORK/gold.png until its coin region is the one GOLD shows and nearer to
# it than to each OTHER amount's, for up to 20 s.
screens_await_gold() {
    local work=$1 back=$2 what=$3 gold=$4 g
    shift 4
    for g in "$gold" "$@"; do
        [ -f "$work/coins-$g.png" ] || screens_coin_picture "$work" "$back" "$g"
    done
    await "$what" 20 screens_shows_gold "$work" "$gold" "$@"
}

# screens_at_home_shop WORK NAME: screenshots into WORK/NAME.png and answers
# whether the shop's prompt shows there.
screens_at_home_shop() {
    screenshot "$1/$2.png"
    shows_picture "$1/$2.png" $SCREENS_PROMPT_AT 3 "$1/prompt.png"
}
# screens_away_from_shop WORK NAME: the prompt is gone in two screenshots in
# a row: at the edge of its reach one look can miss it and the next show it.
screens_away_from_shop() { ! screens_at_home_shop "$@" && ! screens_at_home_shop "$@"; }

# screens_half_turn: the hero turns round by the mouse: four moves of a
# quarter turn each, the pointer put back between them with no vertical
# part (the hero turns only with vertical motion). Each turn is waited out
# on screen.
screens_half_turn() {
    local work=$1 i
    for i in 1 2 3 4; do
        xdotool mousemove 790 "$SCREENS_POINTER_Y"
        await_still "$work/half-turn.png" 0.02 RMSE 1 60
        xdotool mousemove_relative -- -785 1
        SCREENS_POINTER_Y=$((SCREENS_POINTER_Y + 1))
        await_change "$work/turning.png" "$work/half-turn.png" "a quarter turn of the hero" 0.04 60
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
    local work=$1 shop=$TAVIR_DATA_DIR/Textures/HUD/shopDisplay.bmp step
    convert "$shop" -fuzz 0 -transparent magenta -trim +repage "$work/prompt.png" || fail "cannot cut out the shop's prompt"
    SCREENS_PROMPT_AT=$(convert "$shop" -fuzz 0 -transparent magenta -trim -format '%X %Y' info: | tr -d +)
    [[ $SCREENS_PROMPT_AT =~ ^[0-9]+\ [0-9]+$ ]] || fail "cannot place the shop's prompt: $SCREENS_PROMPT_AT"
    xdotool mousemove 300 300
    await_still "$work/pointer.png"
    xdotool key 0
    await_still "$work/home.png" 0.02 RMSE 2 60
    xdotool mousemove_relative -- 394 1
    SCREENS_POINTER_Y=301
    await_change "$work/turned.png" "$work/home.png" "the hero's turn from the shop" 0.04 60
    await_still "$work/turned.png" 0.02 RMSE 1 60
    screens_at_home_shop "$work" turned && fail "the shop's prompt far from the shop"
    for step in 1 2 3 4 5; do
        xdotool key Prior
        sleep 0.5
        xdotool key Prior
        await_still "$work/step.png" 0.02 RMSE 1 60
    done
    xdotool keydown space
    sleep 0.5
    xdotool keyup space
    try_await 15 screens_at_home_shop "$work" landed
    SCREENS_FACING_SHOP=0
    screens_at_home_shop "$work" near && return 0
    screens_half_turn "$work"
    SCREENS_FACING_SHOP=1
    xdotool keydown w
    try_await 30 screens_at_home_shop "$work" walk
    xdotool keyup w
    screens_at_home_shop "$work" near || fail "no prompt near the shop: $PICTURE_MISMATCH"
}

# screens_leave_shop WORK: from the shop's door (screens_go_to_home_shop)
# the hero walks away until the prompt has gone; near a shop i and the
# island keys do nothing. A villager that walked into the hero can hold
# him at the door: then he goes over it by the free camera and walks on.
screens_leave_shop() {
    local work=$1
    [ "$SCREENS_FACING_SHOP" -eq 1 ] && screens_half_turn "$work"
    SCREENS_FACING_SHOP=0
    screens_walk_out "$work" && return 0
    screens_fly_over "$work"
    screens_walk_out "$work" || fail "the prompt stays as the hero walks away, over the villager too"
}

# screens_walk_out WORK: w held until the prompt has gone, then on past the
# edge of its reach (where a bump from a villager could bring the hero
# back into it); answers whether it stays gone once w is let go.
screens_walk_out() {
    local work=$1
    xdotool keydown w
    if ! try_await 15 screens_away_from_shop "$work" away ||
        ! try_await 20 shot_moved "$work/beyond.png" "$work/away.png" 0.08; then
        xdotool keyup w
        return 1
    fi
    xdotool keyup w
    ! screens_at_home_shop "$work" beyond
}

# screens_fly_over WORK: a villager that walked into the hero holds him
# where he stands, as every move that touches a spirit is undone. Page Up
# frees the camera, twenty w taps fly it on ahead over the villager, Page
# Up again brings the hero to it, and a step lands him.
screens_fly_over() {
    xdotool key Prior
    xdotool key --delay 25 $(printf 'w %.0s' $(seq 20))
    xdotool key --delay 100 Prior w
    await_view_rest "$1/flown.png" 1 60
}
