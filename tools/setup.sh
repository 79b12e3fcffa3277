#!/bin/sh
# Installs what the build and the tests need on Debian 12 (as root, only what is missing),
# then configures and builds into build/ (and build-asan/ with --sanitize, build-fuzz/ with
# --fuzz: the libFuzzer target over the script reader, built with clang; build-web/ and the
# browser test's npm packages with --web).
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
packages="build-essential cmake pkg-config qt6-base-dev libgl-dev libjpeg62-turbo-dev zlib1g-dev libgtest-dev libgmock-dev libxcb1-dev xvfb xauth fonts-liberation2 clang libclang-rt-14-dev help2man desktop-file-utils appstream debootstrap"
sanitize=no fuzz=no web=no
for arg in "$@"; do
    case $arg in
    --sanitize) sanitize=yes ;;
    --fuzz) fuzz=yes ;;
    --web) web=yes ;;
    esac
done
# The browser build and its tests (--web): Emscripten, Node.js with npm, Chromium. A Node.js
# that is already installed (with its own npm) is used as it is.
if [ $web = yes ]; then
    packages="$packages emscripten chromium"
    command -v node >/dev/null || packages="$packages nodejs"
    command -v npm >/dev/null || packages="$packages npm"
fi
missing=""
for p in $packages; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing="$missing $p"
done
if [ -n "$missing" ]; then
    echo "installing:$missing"
    if [ "$(id -u)" != 0 ]; then sudo=sudo; else sudo=; fi
    $sudo apt-get update -qq
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $missing >/dev/null
fi
jobs=$(nproc 2>/dev/null || echo 2)
cmake -S "$top" -B "$top/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTRO_WERROR=${VANTRO_WERROR:-OFF} >/dev/null
cmake --build "$top/build" -j "$jobs"
if [ "$fuzz" = yes ]; then
    CC=clang CXX=clang++ cmake -S "$top" -B "$top/build-fuzz" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DVANTRO_LIBFUZZER=ON -DVANTRO_WINDOW=OFF -DBUILD_TESTING=OFF >/dev/null
    cmake --build "$top/build-fuzz" -j "$jobs" --target vantro2-script-fuzz
fi
if [ "$sanitize" = yes ]; then
    cmake -S "$top" -B "$top/build-asan" -DCMAKE_BUILD_TYPE=Debug -DVANTRO_SANITIZE=ON -DVANTRO_WINDOW=OFF >/dev/null
    cmake --build "$top/build-asan" -j "$jobs"
fi
if [ "$web" = yes ]; then
    "$top/tools/build-web.sh"
    (cd "$top/tests/web" && npm ci --no-audit --no-fund --loglevel=error)
fi
