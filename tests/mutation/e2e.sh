#!/usr/bin/env bash
# Mutation run of the end-to-end scripts (not part of the test command):
# shows that their checks fail closed. With ImageMagick's compare (or the
# screenshot tool, import) wrapped on PATH so that one chosen call prints an
# error and exits 2, every script that makes that call must fail; so must
# every script that reads the sound log when the log's shim is not loaded.
#
#     tests/mutation/e2e.sh BUILD [SCRIPT...]
#
# A clean run of each script counts its calls; then the first, one drawn at
# random and the last compare call fail in turn, a random screenshot, and
# the shim is swapped for an empty library. Each
# mutated run must end with a failure after the chosen call was made. Runs
# go MUTATION_JOBS (default 4) at a time.
set -u
build=$(cd "${1:?usage: e2e.sh BUILD [SCRIPT...]}" && pwd) || exit 2
shift
here=$(cd "$(dirname "$0")" && pwd)
# MUTATION_OUT names the folder of an earlier run to finish (its retries).
out=${MUTATION_OUT:-$(mktemp -d -t tavir-mutation.XXXXXX)}
jobs=${MUTATION_JOBS:-4}
echo "mutation run in $out"

# Each script's environment, as the test command gives it.
ctest --test-dir "$build" --show-only=json-v1 -L e2e >"$out/tests.json" || exit 2
python3 - "$out" "$@" <<'PY' || exit 2
import json, shlex, sys, os
out, wanted = sys.argv[1], sys.argv[2:]
for test in json.load(open(os.path.join(out, "tests.json")))["tests"]:
    name = test["name"].split(".", 1)[1]
    if wanted and name not in wanted:
        continue
    env = next((p["value"] for p in test.get("properties", []) if p["name"] == "ENVIRONMENT"), [])
    with open(os.path.join(out, name + ".env"), "w") as f:
        for pair in env:
            key, value = pair.split("=", 1)
            f.write("export %s=%s\n" % (key, shlex.quote(value)))
        f.write("script=%s\n" % shlex.quote(test["command"][-1]))
PY

# The wrappers: each call is counted in $MUTATION_DIR/TOOL.count; the call
# numbered MUTATION_FAIL of the tool MUTATION_TOOL fails.
mkdir -p "$out/bin"
for tool in compare import; do
    real=$(command -v "$tool") || { echo "no $tool" >&2; exit 2; }
    cat >"$out/bin/$tool" <<WRAP
#!/usr/bin/env bash
exec 9>>"\$MUTATION_DIR/lock"
flock 9
n=\$((\$(cat "\$MUTATION_DIR/$tool.count" 2>/dev/null || echo 0) + 1))
echo "\$n" >"\$MUTATION_DIR/$tool.count"
flock -u 9
if [ "\${MUTATION_TOOL:-}" = $tool ] && [ "\$n" = "\${MUTATION_FAIL:-}" ]; then
    echo "$tool: mutation: call \$n fails" >&2
    exit 2
fi
exec "$real" "\$@"
WRAP
    chmod +x "$out/bin/$tool"
done
# A library that logs nothing, in place of the sound log's shim.
cc -shared -o "$out/empty.so" -x c /dev/null || exit 2

# run NAME TAG [TOOL CALL | shim]: one run of a script; prints its status.
run() {
    local name=$1 tag=$2 dir=$out/$1.$2
    mkdir -p "$dir"
    (
        cd "$dir" || exit 2
        source "$out/$name.env"
        export MUTATION_DIR=$dir PATH=$out/bin:$PATH
        case ${3:-} in
            compare|import) export MUTATION_TOOL=$3 MUTATION_FAIL=$4 ;;
            shim) export TAVIR_SOUND_SHIM=$out/empty.so ;;
        esac
        bash "$script" >"$dir/log" 2>&1
        echo $? >"$dir/status"
    )
}
export -f run
export out

names=$(cd "$out" && ls *.env | sed 's/\.env$//')
jobs_file=$out/jobs
if [ ! -s "$jobs_file" ]; then
echo "== clean runs ($(date +%T))"
printf '%s\n' $names | xargs -P "$jobs" -I{} bash -c 'run {} clean'
: >"$jobs_file.new"
for name in $names; do
    status=$(cat "$out/$name.clean/status")
    c=$(cat "$out/$name.clean/compare.count" 2>/dev/null || echo 0)
    i=$(cat "$out/$name.clean/import.count" 2>/dev/null || echo 0)
    echo "$name: clean status $status, $c compare calls, $i screenshots"
    [ "$status" -eq 0 ] || { echo "  (not clean: left out)"; continue; }
    if [ "$c" -gt 0 ]; then
        for k in $(printf '%s\n' 1 $((RANDOM % c + 1)) "$c" | sort -nu); do
            echo "$name compare-$k compare $k" >>"$jobs_file.new"
        done
    fi
    if [ "$i" -gt 0 ]; then
        for k in $((RANDOM % i + 1)); do
            echo "$name import-$k import $k" >>"$jobs_file.new"
        done
    fi
    (source "$out/$name.env"; grep -q 'start_logged_game\|screens_start' "$script") &&
        echo "$name shim shim" >>"$jobs_file.new"
done
mv "$jobs_file.new" "$jobs_file"
echo "== mutated runs: $(wc -l <"$jobs_file") ($(date +%T))"
xargs -P "$jobs" -L 1 bash -c 'run "$@"' _ <"$jobs_file"
fi

# verdict NAME TAG TOOL K: how the mutated run went; sets REACHED to the
# calls made when the chosen one never came.
verdict() {
    local dir=$out/$1.$2 status made why
    status=$(cat "$dir/status")
    made=$(cat "$dir/$3.count" 2>/dev/null || echo 0)
    why=$(grep -m1 '^FAIL:' "$dir/log" | cut -c1-150)
    REACHED=""
    if [ "$3" != shim ] && [ "$made" -lt "$4" ]; then
        REACHED=$made
        echo "not reached ($made calls made, status $status)"
    elif [ "$status" -ne 0 ]; then
        echo "failed: ${why:-status $status}"
    else
        echo "PASSED (missed)"
    fi
}

# The number of calls differs from run to run (the scripts poll): a "last"
# call that a run never reached is tried again as the last call that run
# made, up to three times.
cp "$jobs_file" "$out/pending"
for round in 1 2 3; do
    : >"$out/retry"
    while read -r name tag tool k; do
        verdict "$name" "$tag" "$tool" "$k" >/dev/null
        [ -n "$REACHED" ] && [ "$REACHED" -gt 0 ] && echo "$name $tool-$REACHED-$round $tool $REACHED" >>"$out/retry"
    done <"$out/pending"
    [ -s "$out/retry" ] || break
    echo "== round $round: $(wc -l <"$out/retry") runs again as the last call they reached ($(date +%T))"
    xargs -P "$jobs" -L 1 bash -c 'run "$@"' _ <"$out/retry"
    cat "$out/retry" >>"$jobs_file"
    cp "$out/retry" "$out/pending"
done

echo "== results ($(date +%T))"
missed=0
while read -r name tag tool k; do
    line=$(verdict "$name" "$tag" "$tool" "$k")
    case $line in PASSED*) missed=$((missed + 1)) ;; esac
    echo "$name $tag: $line"
done <"$jobs_file"
echo "== $missed mutations missed ($(date +%T))"
[ "$missed" -eq 0 ]
