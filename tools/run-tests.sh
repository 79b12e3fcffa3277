#!/bin/sh
# Sets up, builds and runs every test: the normal build, the sanitizer build, then a minute
# of fuzzing the script reader.
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
"$top/tools/setup.sh" --sanitize --fuzz
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$top/build" --output-on-failure -j 2
ctest --test-dir "$top/build-asan" --output-on-failure -j 2
# A minute of coverage-guided fuzzing of the script reader; any finding fails.
"$top/tools/fuzz-script.sh" 60
