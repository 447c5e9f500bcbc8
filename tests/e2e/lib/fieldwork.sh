# Helpers for the scripts that play out in the field: the item frame, the
# life bar and the enemies on the mini map, read from screenshots. Needs
# common.sh and sound.sh first.

# The game handles one input event a frame, so a key pressed and let go
# (xdotool key) acts for exactly one frame: one walking step, one turn
# step.

# field_effects SOUNDLOG NAME: how often Music/Sounds/NAME.wav was played.
field_effects() { sound_count "$1" "$2"; }

# field_await_effect SOUNDLOG NAME COUNT SECONDS: until NAME has played
# COUNT times, within SECONDS (scaled); answers whether it did.
field_await_effect() { try_await "$4" has_played "$1" "$2" "$3"; }

# field_prepare_label WORK: the pick-up prompt of the item frame, cut out of
# the pack's picture, as WORK/pickup-label.png.
field_prepare_label() { crop "$TAVIR_DATA_DIR/Textures/HUD/itemProximityFrameFront.bmp" 371x32+419+404 "$1/pickup-label.png"; }

# field_label_distance SHOT WORK: how far the prompt's place in SHOT is from
# the prompt (about 0.09 when shown, 0.25 or more when not).
field_label_distance() { picture_distance "$1" 419 404 "$2/pickup-label.png" 3; }

# field_item_frame_shown SHOT WORK: the item frame's prompt is on screen.
field_item_frame_shown() {
    local d
    d=$(field_label_distance "$1" "$2")
    SEEN="the prompt's place $d from the prompt"
    is_less "$d" 0.16
}

# field_gold_pixels SHOT: golden pixels (the coins' colour) inside the item
# frame's round window, where the near item is drawn.
field_gold_pixels() {
    measure "the golden pixels of $1" convert "$1" -crop 80x80+671+477 +repage \
        -fx 'r > 0.55 && g > 0.4 && b < 0.35 && r > b + 0.3 ? 1 : 0' -format '%[fx:int(mean*w*h)]' info:
}

# field_life SHOT: the life bar's length in pixels (171 when full).
field_life() {
    measure "the life bar of $1" convert "$1" -crop 171x3+1+418 +repage -fx 'max(r, max(g, b)) > 0.3 ? 1 : 0' \
        -format '%[fx:int(mean*w*h/3 + 0.5)]' info:
}

# field_bar_shows_hits SHOT: a screenshot into SHOT whose life bar has lost
# a whole number of hits, one to four (a fifth of the bar each;
# regeneration gives back a little). Sets FIELD_LIFE.
field_bar_shows_hits() {
    local lost
    screenshot "$1"
    FIELD_LIFE=$(field_life "$1")
    lost=$((171 - FIELD_LIFE))
    SEEN="$lost of the 171 pixels of the life bar lost"
    awk -v l="$lost" 'BEGIN { k = int(l / 34.2 + 0.5); exit !(k >= 1 && k <= 4 && l - k * 34.2 <= 3 && k * 34.2 - l <= 5) }'
}

# field_hits_then_none WORK SOUNDLOG: once the hero has been hit and End
# pressed: the life bar shows the hits, and two more (the hit sound, squeak)
# cost nothing. Sets FIELD_LIFE.
field_hits_then_none() {
    local work=$1 sounds=$2 before life
    before=$(field_effects "$sounds" squeak)
    await "the life bar after $before hits" 10 field_bar_shows_hits "$work/hurt.png"
    life=$FIELD_LIFE
    await_effect "$sounds" squeak $((before + 2)) 60 "the hostile ones stopped throwing"
    # The last hit is drawn a frame after its sound.
    hold_off 1
    screenshot "$work/unhurt.png"
    [ "$(field_life "$work/unhurt.png")" -ge "$life" ] || fail "hits after End still cost health"
    FIELD_LIFE=$life
}

# field_enemies SHOT: the enemy and ally icons on the mini map, one line
# "DX DY" each: their offset in pixels from the hero's icon, with the
# hero's heading up (a whole island spans 400 pixels).
field_enemies() {
    local parts
    parts=$(convert "$1" -crop 130x130+20+431 +repage -colorspace Gray -threshold 55% \
        -define connected-components:verbose=true -define connected-components:area-threshold=8 \
        -connected-components 8 null: 2>&1) || fail "cannot read the mini map of $1: $parts"
    awk 'NR > 1 && $NF == "gray(255)" {
            split($2, box, /[x+]/); split($3, c, ",")
            # Not the ring, nor the heading mark at the top.
            if ($4 >= 20 && $4 <= 300 && box[1] <= 22 && box[2] <= 22 && !(c[2] < 12 && c[1] > 60 && c[1] < 70 && $4 < 60))
                printf "%.1f %.1f\n", c[1] + 20 - 85, c[2] + 431 - 496
        }' <<<"$parts"
}

# field_turn RADIANS: turns the hero by the angle (right for positive)
# with the mouse, which turns 1/1000 radian a pixel. A turn needs some
# motion along the other axis too: it goes up and down by a pixel.
field_turn() {
    local px step dy=1
    px=$(awk -v a="$1" 'BEGIN { printf "%d", a * 1000 }')
    while [ "$px" -ne 0 ]; do
        step=$px
        [ "$step" -gt 300 ] && step=300
        [ "$step" -lt -300 ] && step=-300
        xdotool mousemove_relative -- "$step" "$dy"
        px=$((px - step))
        dy=$((-dy))
        sleep 0.2
    done
    # Level again: an odd number of motions left the view a pixel up.
    if [ "$dy" -eq -1 ]; then
        xdotool mousemove_relative -- 1 -1
        sleep 0.2
    fi
}

# field_steps KEY N: N single frames of KEY held.
field_steps() {
    local i
    for i in $(seq "$2"); do
        xdotool key "$1"
        sleep 0.1
    done
}

# field_settle DIR: waits (up to 20 s) until two screenshots in a row
# agree but for a little wandering, so that every input sent has been
# handled: a slow game works through its queue one event a frame, and a
# mouse motion taken early would turn the hero before steps still queued.
field_settle() { await_view_rest "$1/settle.png" 1 20; }
# field_try_settle DIR: the same, answering whether it settled.
field_try_settle() { E2E_STILL_PREVIOUS=""; try_await 20 shots_still "$1/settle.png" "$E2E_VIEW_STILL" AE 1; }

# The screen watcher (screen_watch.c, built as tavir_screen_watch).
FIELD_WATCH=${TAVIR_SCREEN_WATCH:-}
