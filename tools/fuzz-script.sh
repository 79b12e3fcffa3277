#!/bin/sh
# Coverage-guided fuzzing of vantro2-script's line reader and command interpreter: libFuzzer
# with AddressSanitizer and UndefinedBehaviorSanitizer (build-fuzz/, made by
# tools/setup.sh --fuzz). Seeds are the scenario scripts, the dictionary the command words.
#   tools/fuzz-script.sh [SECONDS]     default 60; the corpus grows in build-fuzz/script-corpus
# Any finding (crash, sanitizer report, leak, an input running over 10 s) fails with status 1
# and leaves the input in build-fuzz/script-findings/.
top=$(cd "$(dirname "$0")/.." && pwd)
fuzzer=$top/build-fuzz/vantro2-script-fuzz
seconds=${1:-60}
if [ ! -x "$fuzzer" ]; then
    echo "fuzz-script.sh: no fuzz target at $fuzzer (run tools/setup.sh --fuzz)" >&2
    exit 2
fi
corpus=$top/build-fuzz/script-corpus
seeds=$top/build-fuzz/script-seeds
findings=$top/build-fuzz/script-findings
mkdir -p "$corpus" "$seeds" "$findings"
for dir in "$top"/tests/scenarios/*/; do
    name=$(basename "$dir")
    [ -f "$dir/script.v2s" ] && cp "$dir/script.v2s" "$seeds/$name.v2s"
done
"$fuzzer" -max_total_time="$seconds" -max_len=8192 -timeout=10 -rss_limit_mb=2048 \
    -dict="$top/tools/fuzz/script.dict" -artifact_prefix="$findings/" -print_final_stats=1 \
    "$corpus" "$seeds" 2>"$top/build-fuzz/script-fuzz.log"
status=$?
grep -E '^(#[0-9]+ +DONE|Done [0-9]+ runs|stat::number_of_executed_units|stat::peak_rss_mb)|cov: ' \
    "$top/build-fuzz/script-fuzz.log" | tail -4
if [ "$status" != 0 ]; then
    echo "fuzz-script.sh: finding (status $status), see build-fuzz/script-fuzz.log and $findings" >&2
    tail -40 "$top/build-fuzz/script-fuzz.log" >&2
    exit 1
fi
