#!/usr/bin/env bash
# starts first: 1
# The two-minute form of the soak (bench_SoakBench, run by hand for half an
# hour): random play over every island, in a window, must keep the missile,
# particle, spirit and item lists bounded and print a report each minute.
# Against a sanitizer build it plays one minute; even so, building the world
# and the first minute's tour take far longer there than the game time.
E2E_LIMIT=${E2E_LIMIT:-540}
source "$(dirname "$0")/lib/common.sh"
run_headless "$0" "$@"

soak=$(dirname "$TAVIR_BIN")/bench_SoakBench
[ -x "$soak" ] || fail "no soak program at $soak"
minutes=2
ldd "$soak" 2>/dev/null | grep -q libasan && minutes=1
work=$(make_workdir)
trap 'rm -rf "$work"' EXIT
"$soak" "$TAVIR_DATA_DIR" "$minutes" >"$work/soak.out" 2>"$work/soak.err"
status=$?
line=$(grep "^minute $minutes:" "$work/soak.out")
[ -n "$line" ] || fail "no report after $minutes minutes (status $status): $(tail -3 "$work/soak.err")"
[ "$status" -eq 0 ] || fail "$(grep FAIL "$work/soak.out") (status $status; $line)"
grep -q 'ERROR: \|runtime error' "$work/soak.err" && fail "sanitizer report: $(grep -m1 'ERROR: \|runtime error' "$work/soak.err")"
grep '^minute' "$work/soak.out"
echo "soak: ok"
