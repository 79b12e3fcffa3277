#!/bin/sh
# Sets up, builds and starts the VANTRO-2 simulator window.
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/setup.sh"
exec "$top/build/host/window/vantro2" "$@"
