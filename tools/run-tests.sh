#!/bin/sh
# Sets up, builds and runs every test: the normal build, the sanitizer build, a minute of
# fuzzing the script reader, then the browser build (the scenarios against the runner for
# Node.js, the page in Chromium).
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
# CI builds with every warning an error (VANTRO_WERROR).
VANTRO_WERROR=ON "$top/tools/setup.sh" --sanitize --fuzz --web
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$top/build" --output-on-failure -j 2
ctest --test-dir "$top/build-asan" --output-on-failure -j 2
# A minute of coverage-guided fuzzing of the script reader; any finding fails.
"$top/tools/fuzz-script.sh" 60
ctest --test-dir "$top/build-web" --output-on-failure -j 2
