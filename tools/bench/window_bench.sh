#!/bin/sh
# Runs the instrument flat out in the real window on a virtual X display and reports cycles
# per second, click latency and peak memory (VmHWM).
#   tools/bench/window_bench.sh [SECONDS]      (default 600; BUILD=dir selects the build)
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${BUILD:-$top/build}
bench=$build/host/window/vantro2-window-bench
[ -x "$bench" ] || { echo "window_bench.sh: $bench is not built" >&2; exit 2; }
exec "$top/tools/with-xvfb.sh" "$bench" --benchmark "${1:-600}"
