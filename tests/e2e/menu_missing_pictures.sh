#!/usr/bin/env bash
# The menu with its pictures gone: each missing picture is reported once,
# the world stays in sight where the page would be, every button is a
# plain white box at its place, and the buttons still work.
source "$(dirname "$0")/lib/common.sh"
run_headless "$0" "$@"

work=$(make_workdir)
trap 'rm -rf "$work"' EXIT
story=$TAVIR_DATA_DIR/Story

pack=$work/pack
pack_without "$pack" Textures/MainMenu

start_game "$work/game" "$pack"
wait_for_window 60 || fail "no window; stderr: $(cat "$work/game.err")"
xdotool mousemove 20 20

# white_box SHOT TOP: the button whose top edge is at y TOP is a white box.
white_box() {
    local mean
    mean=$(measure "the button at y $2" convert "$1" -crop 200x40+300+$(($2 + 10)) +repage -format '%[fx:mean]' info:)
    SEEN="the button at y $2 is $mean white"
    is_more "$mean" 0.97
}
menu_drawn() { screenshot "$work/menu.png"; white_box "$work/menu.png" 200; }
await "no white button at y 200" 20 menu_drawn
for top in 200 260 320 380; do
    white_box "$work/menu.png" "$top" || fail "no white button at y $top"
done

# Reported once, however many frames draw the menu: a second of them.
hold_off 1
for picture in mainMenu startButtonUp controlButtonUp creditsButtonUp quitButtonUp; do
    reports=$(grep -c "^Failed to load image Textures/MainMenu/$picture.bmp$" "$work/game.out")
    [ "$reports" -eq 1 ] || fail "$picture.bmp reported $reports times"
done

# The terrain across the screen above the buttons, where the page's panel
# would stand.
crop "$work/menu.png" 800x40+0+150 "$work/band.png"
colours=$(colour_count "$work/band.png")
[ "$colours" -gt 20 ] || fail "the world is hidden where the page would be ($colours colours)"

xdotool mousemove 400 230 click 1
await_picture "$work/intro.png" "intro picture after start" 0 0 0 "$story/IntroStory.bmp" "$story/GameOverStory.bmp"
quit_with_f12 "$work/game.err"
echo "menu_missing_pictures: ok"
