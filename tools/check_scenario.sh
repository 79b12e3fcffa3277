#!/bin/sh
# Runs one scenario folder through vantro2-script and compares with its expected output.
#   check_scenario.sh RUNNER DIR [--rebaseline | --diffs OUTDIR]
# A folder may also hold expected-status (the exit status, default 0) and
# expected-stderr.txt (the error message, compared when present).
# --rebaseline writes what the runner does now as the expected output: a case that ends with
# status 0 and nothing on standard error keeps no expected-status or expected-stderr.txt.
# --diffs OUTDIR checks, and for a failing case writes each differing display picture as
# OUTDIR/CASE-N.png (expected, actual, difference) with vantro2-frame-diff.
runner=$1
dir=$2
mode=${3:-check}
diffs=$4
case "$runner" in /*) ;; *) runner=$(pwd)/$runner ;; esac
if [ ! -x "$runner" ]; then
    echo "check_scenario.sh: no runner at $runner" >&2
    exit 2
fi
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT
(cd "$dir" && "$runner" script.v2s) >"$out" 2>"$err"
status=$?
want_status=0
[ -f "$dir/expected-status" ] && want_status=$(cat "$dir/expected-status")
if [ "$mode" = "--rebaseline" ]; then
    cp "$out" "$dir/expected.txt"
    if [ "$status" != 0 ]; then echo "$status" >"$dir/expected-status"; else rm -f "$dir/expected-status"; fi
    if [ -s "$err" ] || [ "$status" != 0 ]; then cp "$err" "$dir/expected-stderr.txt"; else rm -f "$dir/expected-stderr.txt"; fi
    echo "rebaselined $dir"
    exit 0
fi
fail=0
if [ "$status" != "$want_status" ]; then
    echo "exit status $status, expected $want_status"; cat "$err"; fail=1
fi
if ! diff -u "$dir/expected.txt" "$out"; then fail=1; fi
if [ -f "$dir/expected-stderr.txt" ] && ! diff -u "$dir/expected-stderr.txt" "$err"; then fail=1; fi
if [ $fail -ne 0 ] && [ "$mode" = "--diffs" ]; then
    framediff=${VANTRO2_FRAME_DIFF:-$(dirname "$runner")/vantro2-frame-diff}
    mkdir -p "$diffs"
    "$framediff" "$dir/expected.txt" "$out" "$diffs/$(basename "$dir")"
fi
exit $fail
