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
mkdir -p "$pack/Textures"
for entry in "$TAVIR_DATA_DIR"/*; do [ "$(basename "$entry")" = Textures ] || ln -s "$entry" "$pack/"; done
for entry in "$TAVIR_DATA_DIR"/Textures/*; do
    [ "$(basename "$entry")" = MainMenu ] || ln -s "$entry" "$pack/Textures/"
done

start_game "$work/game" "$pack"
wait_for_window 60 || fail "no window; stderr: $(cat "$work/game.err")"
xdotool mousemove 20 20

# white_box SHOT TOP: the button whose top edge is at y TOP is a white box.
white_box() {
    local mean
    mean=$(convert "$1" -crop 200x40+300+$(($2 + 10)) +repage -format '%[fx:mean]' info:)
    awk -v m="$mean" 'BEGIN { exit !(m > 0.97) }'
}
for i in $(seq 40); do
    screenshot "$work/menu.png"
    white_box "$work/menu.png" 200 && break
    kill -0 "$GAME_PID" 2>/dev/null || fail "the game ended; stderr: $(cat "$work/game.err")"
    sleep 0.5
done
for top in 200 260 320 380; do
    white_box "$work/menu.png" "$top" || fail "no white button at y $top"
done

# Reported once, however many frames draw the menu.
sleep 1
for picture in mainMenu startButtonUp controlButtonUp creditsButtonUp quitButtonUp; do
    reports=$(grep -c "^Failed to load image Textures/MainMenu/$picture.bmp$" "$work/game.out")
    [ "$reports" -eq 1 ] || fail "$picture.bmp reported $reports times"
done

# The terrain across the screen above the buttons, where the page's panel
# would stand.
convert "$work/menu.png" -crop 800x40+0+150 +repage "$work/band.png"
colours=$(colour_count "$work/band.png")
[ "$colours" -gt 20 ] || fail "the world is hidden where the page would be ($colours colours)"

xdotool mousemove 400 230 click 1
await_picture "$work/intro.png" "intro picture after start" 0 0 0 "$story/IntroStory.bmp" "$story/GameOverStory.bmp"
quit_with_f12 "$work/game.err"
echo "menu_missing_pictures: ok"
