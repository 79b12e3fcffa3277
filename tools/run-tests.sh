#!/bin/sh
# Sets up, builds and runs every test: the normal build, then the sanitizer build.
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
# CI builds with every warning an error (VANTRO_WERROR).
VANTRO_WERROR=ON "$top/tools/setup.sh" --sanitize
export QT_QPA_PLATFORM=offscreen
ctest --test-dir "$top/build" --output-on-failure -j 2
ctest --test-dir "$top/build-asan" --output-on-failure -j 2
