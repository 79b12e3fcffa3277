#!/bin/sh
# Soak of the real window: the instrument flat out with a person's clicks mixed in, memory
# sampled periodically; fails if the resident memory keeps growing in the second half.
#   tools/soak/window_soak.sh [SECONDS [SAMPLE_SECONDS [TOLERANCE_KB]]]   (default 3600 60 1024)
# BUILD=dir selects the build (default build/).
top=$(cd "$(dirname "$0")/../.." && pwd)
build=${BUILD:-$top/build}
soak=$build/host/window/vantro2-window-soak
[ -x "$soak" ] || { echo "window_soak.sh: $soak is not built" >&2; exit 2; }
exec "$top/tools/with-xvfb.sh" "$soak" "${1:-3600}" "${2:-60}" "${3:-1024}"
