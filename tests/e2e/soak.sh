#!/usr/bin/env bash
# The one-minute form of the soak program (bench_SoakBench, run by hand for
# ten minutes): enemies fighting the hero, portal missiles shot into the sky
# and clicks while paused must leave the missile and particle lists bounded.
source "$(dirname "$0")/lib/common.sh"

soak=$(dirname "$TAVIR_BIN")/bench_SoakBench
[ -x "$soak" ] || fail "no soak program at $soak"
work=$(make_workdir)
trap 'rm -rf "$work"' EXIT
"$soak" "$TAVIR_DATA_DIR" 1 >"$work/soak.out" 2>"$work/soak.err"
status=$?
line=$(grep '^minute 1:' "$work/soak.out")
[ -n "$line" ] || fail "no report after a minute (status $status): $(tail -3 "$work/soak.err")"
[ "$status" -eq 0 ] || fail "$(grep FAIL "$work/soak.out") ($line)"
echo "soak: ok ($line)"
