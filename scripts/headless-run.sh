#!/usr/bin/env bash
# Runs one command under a private virtual X display (800x600x24) with
# software OpenGL and a silent SDL audio driver, then stops the display.
#
#   headless-run.sh [-t SECONDS] [--] COMMAND [ARGS...]
#
# -t bounds the command: SIGTERM (SDL turns it into a quit event), then
# SIGKILL 10 s later; the status is then 124. The command sees DISPLAY, and
# SDL_AUDIODRIVER=dummy, LIBGL_ALWAYS_SOFTWARE=1 and GALLIUM_DRIVER=llvmpipe
# unless they are already set. Exit status: the command's, or 125 when the
# display does not start.
set -u

limit=""
while [ $# -gt 0 ]; do
    case $1 in
        -t) limit=$2; shift 2 ;;
        --) shift; break ;;
        -*) echo "headless-run: unknown option $1" >&2; exit 2 ;;
        *) break ;;
    esac
done
if [ $# -eq 0 ]; then
    echo "usage: headless-run.sh [-t SECONDS] [--] COMMAND [ARGS...]" >&2
    exit 2
fi
if ! command -v Xvfb >/dev/null 2>&1; then
    echo "headless-run: Xvfb is not installed (Debian package xvfb)" >&2
    exit 125
fi

work=$(mktemp -d -t tavir-display.XXXXXX) || exit 125
xvfb_pid=""
cmd_pid=""

stop() {  # SIGTERM, a grace period, then SIGKILL
    local pid=$1 i
    kill -TERM "$pid" 2>/dev/null || return 0
    for i in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    return 0
}
cleanup() {
    [ -n "$cmd_pid" ] && stop "$cmd_pid"
    [ -n "$xvfb_pid" ] && stop "$xvfb_pid"
    rm -rf "$work"
}
trap cleanup EXIT
trap '[ -n "$cmd_pid" ] && kill -TERM "$cmd_pid" 2>/dev/null' TERM INT

# -noreset: without it the server resets when SDL's probe connection closes,
# and the next connection can fail. -displayfd picks a free display number.
Xvfb -displayfd 3 -screen 0 800x600x24 -nolisten tcp -noreset \
    3>"$work/display" </dev/null >"$work/xvfb.log" 2>&1 &
xvfb_pid=$!
for i in $(seq 200); do
    [ -s "$work/display" ] && break
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.1
done
number=$(tr -dc '0-9' <"$work/display" 2>/dev/null)
if [ -z "$number" ] || ! kill -0 "$xvfb_pid" 2>/dev/null; then
    echo "headless-run: the virtual display did not start:" >&2
    cat "$work/xvfb.log" >&2
    exit 125
fi

export DISPLAY=":$number"
export SDL_AUDIODRIVER="${SDL_AUDIODRIVER:-dummy}"
export LIBGL_ALWAYS_SOFTWARE="${LIBGL_ALWAYS_SOFTWARE:-1}"
export GALLIUM_DRIVER="${GALLIUM_DRIVER:-llvmpipe}"

if [ -n "$limit" ]; then
    timeout -k 10 "$limit" "$@" <&0 &
else
    "$@" <&0 &
fi
cmd_pid=$!
status=0
wait "$cmd_pid"
status=$?
while kill -0 "$cmd_pid" 2>/dev/null; do  # wait was interrupted by a trapped signal
    wait "$cmd_pid"
    status=$?
done
cmd_pid=""
exit "$status"
