#!/usr/bin/env bash
# The whole game at a glance, as a player meets it: the main menu, the intro
# picture, play with the heads-up display, every island's first view (its
# key; the flights that islands 5, 9 and 12 start are skipped), the
# inventory, and the home island's shop, reached through free view, first
# with its prompt and then open. The pictures go onto one labelled contact
# sheet in the build folder (contact-game.png). Each must show more than a
# blank screen and differ from the tiles beside it on the sheet.
E2E_LIMIT=${E2E_LIMIT:-480}
source "$(dirname "$0")/lib/common.sh"
run_headless "$0" "$@"

work=$(make_workdir)
# A failed run leaves its pictures in the build folder to look at.
keep_failed() {
    local status=$? failed="${TAVIR_BINARY_DIR:-.}/contact-game-failed"
    if [ "$status" -ne 0 ]; then
        rm -rf "$failed" && mkdir -p "$failed" && cp "$work"/*.png "$failed"/ 2>/dev/null
        echo "the pictures so far are in $failed" >&2
    fi
    rm -rf "$work"
}
trap keep_failed EXIT
tex=$TAVIR_DATA_DIR/Textures
shots=()
labels=()
keep() { shots+=("$1"); labels+=("$2"); }

# The part of a full-screen picture that is not magenta (transparent), as a
# file of its own and its place on the screen (PANEL_X, PANEL_Y).
panel() {
    local geometry
    geometry=$(convert "$1" -fuzz 0 -transparent magenta -trim -format '%wx%h%X%Y' info:)
    convert "$1" -crop "$geometry" +repage "$2"
    PANEL_X=$(sed 's/.*x[0-9]*+\([0-9]*\)+.*/\1/' <<<"$geometry")
    PANEL_Y=$(sed 's/.*+//' <<<"$geometry")
}

# settle NAME: screenshots until two in a row, a second apart, show a lit
# world (over 50 colours) and barely differ (the hero has landed and the
# camera stands; spirits and particles still move), for up to 30 s.
settle() {
    local shot=$work/$1.png previous=$work/$1.previous.png i d
    for i in $(seq 30); do
        screenshot "$shot"
        kill -0 "$GAME_PID" 2>/dev/null || fail "$1: the game has ended; stderr: $(cat "$work/game.err")"
        if [ "$(colour_count "$shot")" -gt 50 ] && [ -f "$previous" ]; then
            d=$(screen_distance "$shot" "$previous")
            awk -v d="$d" 'BEGIN { exit !(d < 0.05) }' && return 0
        fi
        cp "$shot" "$previous"
        sleep 1
    done
    [ "$(colour_count "$shot")" -gt 50 ] || fail "$1 shows only $(colour_count "$shot") colours"
}

start_game "$work/game"
wait_for_window 120 || fail "no window; stderr: $(cat "$work/game.err")"
xdotool mousemove 20 20
await_picture "$work/menu.png" "the menu" 290 200 8 "$tex/MainMenu/startButtonUp.bmp" "$tex/MainMenu/startButtonOver.bmp"
keep "$work/menu.png" "main menu"
xdotool mousemove 400 230 click 1
await_picture "$work/intro.png" "the intro picture" 0 0 0 "$TAVIR_DATA_DIR/Story/IntroStory.bmp"
keep "$work/intro.png" "intro picture"
# Past the opening flight into play.
xdotool key Escape
sleep 1
xdotool key Escape
settle hud
keep "$work/hud.png" "play: heads-up display"

keys=(1 2 3 4 5 6 7 8 9 0 F1 F2 F3)
numbers=(1 2 3 4 5 6 7 8 9 0 10 11 12)
for n in $(seq 0 12); do
    island=${numbers[$n]}
    xdotool key "${keys[$n]}"
    case $island in 5|9|12) sleep 1; xdotool key Escape ;; esac
    settle "island$island"
    keep "$work/island$island.png" "island $island"
done

# Back home: the inventory opens on the compass.
xdotool key 0
settle home
panel "$tex/inventoryCompassNew.bmp" "$work/compass-panel.png"
xdotool key i
await_picture "$work/inventory.png" "the inventory" "$PANEL_X" "$PANEL_Y" 3 "$work/compass-panel.png"
keep "$work/inventory.png" "inventory (i)"
xdotool key i
settle closed

# The shop stands at (-13.9, 46.5), some 50 units from the start. Free view
# starts from the first-person eye (the third-person camera comes closer
# when a tree stands behind the hero), and each key press moves it for one
# frame: turn left 28 times (0.1 rad each) and fly ahead 44 times (1.0
# each), level, and the camera stands 8.5 units from the shop; the second
# Page Up puts the hero there, within the shop's reach of 10.
xdotool key 0
settle home2
xdotool key Tab
sleep 2
xdotool key Prior
sleep 1
xdotool key --delay 60 $(printf 'Left %.0s' $(seq 28))
xdotool key --delay 60 $(printf 'w %.0s' $(seq 44))
sleep 1
xdotool key Prior
panel "$tex/HUD/shopDisplay.bmp" "$work/prompt-panel.png"
await_picture "$work/prompt.png" "the shop's prompt" "$PANEL_X" "$PANEL_Y" 2 "$work/prompt-panel.png"
keep "$work/prompt.png" "near the shop"
panel "$tex/shopVial.bmp" "$work/vial-panel.png"
xdotool key Return
await_picture "$work/shop.png" "the shop" "$PANEL_X" "$PANEL_Y" 3 "$work/vial-panel.png"
keep "$work/shop.png" "shop (Return)"
xdotool key Escape
sleep 1

quit_with_f12 "$work/game.err" 60

# Each tile shows something and differs from the one before it.
for i in "${!shots[@]}"; do
    colours=$(colour_count "${shots[$i]}")
    [ "$colours" -gt 50 ] || fail "${labels[$i]} shows only $colours colours"
    if [ "$i" -gt 0 ]; then
        d=$(screen_distance "${shots[$i]}" "${shots[$((i - 1))]}")
        awk -v d="$d" 'BEGIN { exit !(d > 0.02) }' ||
            fail "${labels[$i]} looks like ${labels[$((i - 1))]} (distance $d)"
    fi
done

sheet="${TAVIR_BINARY_DIR:-.}/contact-game.png"
args=()
for i in "${!shots[@]}"; do args+=(-label "${labels[$i]}" "${shots[$i]}"); done
montage "${args[@]}" -tile 5x -geometry 400x300+6+6 -font /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf \
    -pointsize 18 -background '#202028' -fill white "$sheet" || fail "could not write $sheet"
echo "game_contact_sheet: ok, ${#shots[@]} tiles in $sheet"
