#!/bin/sh
# The script that vantro2-fuzz writes for a seed replays the seed exactly through
# vantro2-script: the probes print what the fuzzer's own run ended with.
#   fuzz_replay_check.sh FUZZ SCRIPT_RUNNER SEED EVENTS
fuzz=$1 runner=$2 seed=$3 events=$4
dir=$(mktemp -d)
trap 'rm -rf "$dir"' EXIT
"$fuzz" --seed "$seed" --events "$events" --script "$dir/script.v2s" --expect "$dir/expected.txt" >/dev/null || exit 1
"$runner" "$dir/script.v2s" >"$dir/out.txt" || { echo "vantro2-script failed"; exit 1; }
diff -u "$dir/expected.txt" "$dir/out.txt" && echo "seed $seed replays exactly ($(grep -c . "$dir/script.v2s") lines)"
