#!/usr/bin/env bash
# playthrough
# Ways the game ends: closing the window (SDL's quit event; the virtual
# display has no window manager, so SIGTERM stands in for it) ends with
# status 0 and no statistics; start-up failures end with one clear line on
# standard error and status 1, never a crash.
source "$(dirname "$0")/lib/common.sh"
run_headless "$0" "$@"

work=$(make_workdir)
trap 'rm -rf "$work"' EXIT

start_game "$work/close"
wait_for_window 60 || fail "no window; stderr: $(cat "$work/close.err")"
# In its loop: a picture is drawn.
await_drawn "$work/shot.png"
kill -TERM "$GAME_PID"
wait_for_exit 30 || fail "the game did not end on the quit event"
[ "$GAME_STATUS" -eq 0 ] || fail "quit event: exit status $GAME_STATUS"
! grep -q '^Frames rendered' "$work/close.out" || fail "quit event printed statistics"

# expect_start_failure NAME PATTERN: the run ends 1 with one matching line.
expect_start_failure() {
    wait_for_exit 60 || fail "$1: still running"
    [ "$GAME_STATUS" -eq 1 ] || fail "$1: exit status $GAME_STATUS; stderr: $(cat "$work/$1.err")"
    [ "$(wc -l <"$work/$1.err")" -eq 1 ] || fail "$1: stderr is not one line: $(cat "$work/$1.err")"
    grep -q "$2" "$work/$1.err" || fail "$1: stderr: $(cat "$work/$1.err")"
}

# No icon.
pack_without "$work/noicon" Textures/icon.bmp
start_game "$work/icon" "$work/noicon"
expect_start_failure icon 'Textures/icon.bmp'

# No display to open.
(cd "$TAVIR_DATA_DIR" && exec env -u DISPLAY SDL_VIDEODRIVER=x11 "$TAVIR_BIN" >"$work/display.out" 2>"$work/display.err") &
GAME_PID=$!
expect_start_failure display 'Unable to start SDL'

# A video driver without OpenGL: the video mode cannot be set.
(cd "$TAVIR_DATA_DIR" && exec env SDL_VIDEODRIVER=dummy "$TAVIR_BIN" >"$work/mode.out" 2>"$work/mode.err") &
GAME_PID=$!
expect_start_failure mode 'Unable to open the 800x600 OpenGL video mode'
echo "exit_paths: ok"
