#!/bin/sh
# What one instrument cycle costs, and how many cycles a second the programs make.
#
#   tools/bench/cycle_bench.sh [--no-window] [--quick]
#
# 1. Instructions per cycle (valgrind's callgrind, so the figure does not depend on the load of
#    the machine): the main page with realistic inputs, averaged over its four information
#    pages, and every other screen of the instrument on its own; the busiest screen is named.
#    The script asks for a value after each part, and callgrind writes its counts at every
#    such request, so each part's count covers exactly its cycles (and the few script lines
#    between them).
# 2. Cycles per second of the headless runner vantro2-script on the main page (best of 5 runs).
# 3. Cycles per second of the real window (tools/bench/window_bench.sh, best of 3 runs of
#    WINDOW_SECONDS, default 10); --no-window leaves it out.
# Wall-clock figures depend on what else the machine does: take the best of several runs on
# a quiet machine. --quick runs fewer cycles (for a check that the script works).
# BUILD=dir selects the build (default build/).
set -e
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${BUILD:-$top/build}
runner=$build/vantro2-script
window=yes
main_cycles=500        # callgrind cycles on each information page
screen_cycles=200      # callgrind cycles on each other screen
speed_cycles=25000     # cycles on each information page for the runner's pace
for arg in "$@"; do
    case $arg in
    --no-window) window=no ;;
    --quick) main_cycles=50 screen_cycles=20 speed_cycles=2500 ;;
    *) echo "usage: cycle_bench.sh [--no-window] [--quick]" >&2; exit 2 ;;
    esac
done
[ -x "$runner" ] || { echo "cycle_bench.sh: $runner is not built" >&2; exit 2; }
command -v valgrind >/dev/null || { echo "cycle_bench.sh: valgrind is not installed" >&2; exit 2; }
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT INT TERM

# The main page in a cruise climb (the gallery's inputs): 3477 ft, 94 mph, 2400 rpm, 13.8 V,
# 11 C, 30 L, 18 L/h, +387 ft/min, the stopwatch running, a GPS speed.
realistic_start() {
    cat <<'EOF'
clock 2026-06-01 14:32:00
on
cycle 80
set Qnh 1021250
set AsiHighAlarm 120
set VsiZero 2048
set FlightDetect 0
slider altitude 2900
slider airspeed 602
slider rpm 120
slider volts 1725
slider oat 2334
slider fuel-level 400
slider fuel-flow 140
slider vsi 2008
seconds 30
key right
cycle
set InFlight 1
set HobbsHours 412
set MaintHours 27
set FuelSpeedSource 1
set GpsSpeedMph 102
set AirDistance 1105920
cycle
EOF
}

# The names of the screens, one a line, from the list of screens in the source.
screen_names() {
    cat "$top/screens/screen_list.h" "$top/screens/screen_registry.cpp" 2>/dev/null |
        sed -n 's/^ *SCREEN(\([A-Za-z0-9_]*\)[,)].*/\1/p' | awk '!seen[$0]++'
}

# Four information pages, `cycle N` on each, then every other screen of the registry.
# Each `get` ends a part: callgrind dumps its counts when the value is looked up.
{
    realistic_start
    echo "get CurrentScreen"
    for page in 0 1 2 3; do
        echo "set InfoPage $page"
        echo "cycle $main_cycles"
        echo "get InfoPage"
    done
    for screen in $(screen_names | grep -v '^MainPageScreen$'); do
        echo "set CurrentScreen $screen"
        echo "set Cursor 0"
        echo "cycle $screen_cycles"
        echo "get CurrentScreen"
    done
} >"$work/callgrind.v2s"

echo "== instructions per cycle (callgrind; $main_cycles cycles per information page, $screen_cycles per screen)"
valgrind --tool=callgrind --callgrind-out-file="$work/cg.out.%p" --dump-before='*FormatState*' \
    "$runner" "$work/callgrind.v2s" >"$work/callgrind.txt" 2>"$work/valgrind.log" ||
    { cat "$work/valgrind.log" >&2; exit 1; }
ls "$work"/cg.out.* | sed 's/.*\.\([0-9]*\)$/\1 &/' | sort -n | cut -d' ' -f2 |
while read -r dump; do
    sed -n 's/^totals: *\([0-9]*\).*/\1/p' "$dump"
done >"$work/totals.txt"
# Dump k holds what ran up to the k-th `get`: dump 1 the start, dumps 2..5 the information
# pages, then one dump per screen; line k of the output names the screen shown at its end.
awk -v main="$main_cycles" -v each="$screen_cycles" '
    NR == FNR { total[NR] = $1; next }
    { split($0, kv, "="); name[FNR] = kv[2]; parts = FNR }
    END {
        sum = 0
        for (k = 2; k <= 5; ++k) {
            ir = total[k] / main; sum += ir
            printf "main page, information page %d: %8.0f instructions per cycle\n", k - 2, ir
        }
        printf "main page, average:             %8.0f instructions per cycle\n", sum / 4
        for (k = 6; k <= parts; ++k) {
            ir = total[k] / each
            printf "%-32s %8.0f instructions per cycle\n", name[k] ":", ir
            if (ir > worst) { worst = ir; worstName = name[k] }
        }
        printf "busiest other screen: %s, %.0f instructions per cycle\n", worstName, worst
    }' "$work/totals.txt" "$work/callgrind.txt"

echo "== cycles per second, headless runner vantro2-script (main page, best of 5 runs)"
{
    realistic_start
    for page in 0 1 2 3; do
        echo "set InfoPage $page"
        echo "cycle $speed_cycles"
    done
    echo "get InfoPage"
} >"$work/speed.v2s"
# The children's processor time in seconds (user + system) from the output of the shell's
# `times`, which must run in this shell itself: in a command substitution it would count
# only the substitution's own children.
child_cpu_seconds() {
    sed -n 2p "$1" | tr 'ms' '  ' | awk '{ print 60 * $1 + $2 + 60 * $3 + $4 }'
}
best=0
best_cpu=0
for run in 1 2 3 4 5; do
    start=$(date +%s.%N)
    times >"$work/times.start"
    "$runner" "$work/speed.v2s" >/dev/null
    times >"$work/times.end"
    cpu_start=$(child_cpu_seconds "$work/times.start")
    cpu_end=$(child_cpu_seconds "$work/times.end")
    end=$(date +%s.%N)
    rate=$(echo "$start $end $speed_cycles" | awk '{ printf "%.0f", 4 * $3 / ($2 - $1) }')
    cpu_rate=$(echo "$cpu_start $cpu_end $speed_cycles" | awk '{ d = $2 - $1; printf "%.0f", (d > 0 ? 4 * $3 / d : 0) }')
    echo "run $run: $rate cycles per second ($cpu_rate per second of processor time)"
    [ "$rate" -gt "$best" ] && best=$rate
    [ "$cpu_rate" -gt "$best_cpu" ] && best_cpu=$cpu_rate
done
echo "headless runner: $best cycles per second, $best_cpu per second of processor time (best of 5)"

[ "$window" = yes ] || exit 0
echo "== cycles per second, the real window (best of 3 runs of ${WINDOW_SECONDS:-10} s)"
best=0
for run in 1 2 3; do
    rate=$(BUILD="$build" "$top/tools/bench/window_bench.sh" "${WINDOW_SECONDS:-10}" | sed -n 's/^cycles_per_second //p')
    echo "run $run: $rate cycles per second"
    [ "${rate:-0}" -gt "$best" ] && best=$rate
done
echo "window: $best cycles per second (best of 3)"
