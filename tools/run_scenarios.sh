#!/bin/sh
# Runs every scenario folder (or the ones named) against a built vantro2-script.
#   tools/run_scenarios.sh [--rebaseline] [DIR...]
# With --rebaseline the expected outputs are rewritten: look at every changed picture
# (git diff) before committing it.
top=$(cd "$(dirname "$0")/.." && pwd)
runner=${VANTRO2_SCRIPT:-$top/build/vantro2-script}
mode=check
[ "$1" = "--rebaseline" ] && mode=--rebaseline && shift
dirs=${*:-$top/tests/scenarios/*/}
status=0
for d in $dirs; do
    "$top/tools/check_scenario.sh" "$runner" "${d%/}" "$mode" >/dev/null || { echo "FAIL $d"; status=1; }
done
exit $status
