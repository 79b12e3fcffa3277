#!/bin/sh
# Runs every scenario folder (or the ones named) against a built vantro2-script.
#   tools/run_scenarios.sh [--rebaseline [--all]] [--diffs DIR] [CASE_DIR...]
# --rebaseline rewrites the expected output of every failing case (of every case with --all);
# look at every changed picture and the text diff (git diff) before committing it.
# --diffs DIR writes each differing display picture of a failing case as DIR/CASE-N.png:
# expected, actual and the differing pixels side by side.
top=$(cd "$(dirname "$0")/.." && pwd)
runner=${VANTRO2_SCRIPT:-$top/build/vantro2-script}
rebaseline=no
all=no
diffs=
while [ $# -gt 0 ]; do
    case "$1" in
    --rebaseline) rebaseline=yes ;;
    --all) all=yes ;;
    --diffs) [ -n "$2" ] || { echo "run_scenarios.sh: --diffs needs a folder" >&2; exit 2; }; diffs=$2; shift ;;
    -*) echo "run_scenarios.sh: unknown option $1" >&2; exit 2 ;;
    *) break ;;
    esac
    shift
done
case "$diffs" in ""|/*) ;; *) diffs=$(pwd)/$diffs ;; esac
dirs=${*:-$top/tests/scenarios/*/}
status=0
for d in $dirs; do
    d=${d%/}
    if [ "$rebaseline" = yes ] && [ "$all" = yes ]; then
        "$top/tools/check_scenario.sh" "$runner" "$d" --rebaseline
        continue
    fi
    report=$("$top/tools/check_scenario.sh" "$runner" "$d" ${diffs:+--diffs "$diffs"}) && continue
    [ -n "$diffs" ] && printf '%s\n' "$report" | grep '\.png$'
    if [ "$rebaseline" = yes ]; then
        "$top/tools/check_scenario.sh" "$runner" "$d" --rebaseline
    else
        echo "FAIL $d"
        status=1
    fi
done
exit $status
