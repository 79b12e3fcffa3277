#!/bin/sh
# The browser build's figures next to the desktop window's: the page's download size, and
# cycles per second in headless Chromium and in the real window, each run for SECONDS.
#   tools/bench/web_bench.sh [SECONDS]      (default 60; needs build-web/ and build/)
set -e
top=$(cd "$(dirname "$0")/../.." && pwd)
seconds=${1:-60}
echo "== page (build-web/page) in headless Chromium"
node "$top/tests/web/page_bench.js" "$top/build-web/page" "$seconds"
echo "== desktop window (build/) on a virtual X display"
"$top/tools/bench/window_bench.sh" "$seconds"
