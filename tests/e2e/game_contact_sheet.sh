#!/usr/bin/env bash
# starts first: 3
# The whole game at a glance, as a player meets it: the main menu, the intro
# picture, play with the heads-up display, every island's first view (its
# key; the flights that islands 5, 9 and 12 start are skipped), the
# inventory, and the home island's shop, reached through free view, first
# with its prompt and then open. The pictures go onto one labelled contact
# sheet in the build folder (contact-game.png). Each must show more than a
# blank screen and differ from the tiles beside it on the sheet.
E2E_LIMIT=${E2E_LIMIT:-480}
source "$(dirname "$0")/lib/common.sh"
source "$(dirname "$0")/lib/playthrough.sh"
run_headless "$0" "$@"

work=$(make_workdir)
PT_WORK=$work
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
    [[ $geometry =~ ^[0-9]+x[0-9]+\+[0-9]+\+[0-9]+$ ]] || fail "cannot find the panel of $1: $geometry"
    crop "$1" "$geometry" "$2"
    PANEL_X=$(sed 's/.*x[0-9]*+\([0-9]*\)+.*/\1/' <<<"$geometry")
    PANEL_Y=$(sed 's/.*+//' <<<"$geometry")
}

# settle NAME: screenshots until two in a row, a second apart, show a lit
# world (over 50 colours) and barely differ (the hero has landed and the
# camera stands; spirits and particles still move), for up to 30 s.
settled() {
    local shot=$work/$1.png previous=$work/$1.previous.png d=""
    screenshot "$shot"
    if [ "$(colour_count "$shot")" -gt 50 ] && [ -f "$previous" ]; then
        d=$(screen_distance "$shot" "$previous")
    fi
    SEEN="$(colour_count "$shot") colours, ${d:-no} distance from the one before"
    cp "$shot" "$previous"
    [ -n "$d" ] && is_less "$d" 0.05 && return 0
    sleep 0.7
    return 1
}
settle() { rm -f "$work/$1.previous.png"; await "$1 never settled on a lit world" 30 settled "$1"; }

start_game "$work/game"
wait_for_window 120 || fail "no window; stderr: $(cat "$work/game.err")"
start_playing "$work"
keep "$work/menu.png" "main menu"
keep "$work/intro.png" "intro picture"
settle hud
keep "$work/hud.png" "play: heads-up display"

keys=(1 2 3 4 5 6 7 8 9 0 F1 F2 F3)
numbers=(1 2 3 4 5 6 7 8 9 0 10 11 12)
before=$work/hud.png
for n in $(seq 0 12); do
    island=${numbers[$n]}
    xdotool key "${keys[$n]}"
    # The game takes one event a frame, in order: the Escape comes to the
    # flight the island's key has started.
    case $island in 5|9|12) xdotool key Escape ;; esac
    # A busy machine's game may not have taken the key yet: the island
    # before it would settle as well.
    await_change "$work/leaving$island.png" "$before" "island $island's key did not change the view" 0.02
    settle "island$island"
    before=$work/island$island.png
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
await_change "$work/eyes.png" "$work/home2.png" "Tab did not move the camera into the hero's eyes"
xdotool key Prior
pt_taps Left 28
await_still "$work/calm.png"
pt_taps w 44
xdotool key Prior
panel "$tex/HUD/shopDisplay.bmp" "$work/prompt-panel.png"
await_picture "$work/prompt.png" "the shop's prompt" "$PANEL_X" "$PANEL_Y" 2 "$work/prompt-panel.png"
keep "$work/prompt.png" "near the shop"
panel "$tex/shopVial.bmp" "$work/vial-panel.png"
xdotool key Return
await_picture "$work/shop.png" "the shop" "$PANEL_X" "$PANEL_Y" 3 "$work/vial-panel.png"
keep "$work/shop.png" "shop (Return)"
xdotool key Escape

quit_with_f12 "$work/game.err" 60

# Each tile shows something and differs from the one before it.
for i in "${!shots[@]}"; do
    colours=$(colour_count "${shots[$i]}")
    [ "$colours" -gt 50 ] || fail "${labels[$i]} shows only $colours colours"
    if [ "$i" -gt 0 ]; then
        d=$(screen_distance "${shots[$i]}" "${shots[$((i - 1))]}")
        is_more "$d" 0.02 ||
            fail "${labels[$i]} looks like ${labels[$((i - 1))]} (distance $d)"
    fi
done

sheet="${TAVIR_BINARY_DIR:-.}/contact-game.png"
args=()
for i in "${!shots[@]}"; do args+=(-label "${labels[$i]}" "${shots[$i]}"); done
montage "${args[@]}" -tile 5x -geometry 400x300+6+6 -font /usr/share/fonts/truetype/dejavu/DejaVuSans.ttf \
    -pointsize 18 -background '#202028' -fill white "$sheet" || fail "could not write $sheet"
echo "game_contact_sheet: ok, ${#shots[@]} tiles in $sheet"
