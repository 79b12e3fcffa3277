#!/bin/sh
# Builds the instrument for WebAssembly with Debian's Emscripten into build-web/: the page
# (build-web/page/) and the scripted runner for Node.js (build-web/vantro2-script.js).
#   tools/build-web.sh            build
#   tools/build-web.sh --serve [PORT]
#                                 build, then serve the page on http://127.0.0.1:PORT/ (8080)
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
case "$1" in
    "") [ $# -eq 0 ] || set -- --bad ;;
    --serve) [ $# -le 2 ] || set -- --bad ;;
esac
if [ -n "$1" ] && [ "$1" != --serve ]; then
    echo "usage: tools/build-web.sh [--serve [PORT]]" >&2
    exit 2
fi
for tool in emcmake node; do
    command -v "$tool" >/dev/null ||
        { echo "build-web.sh: $tool is not installed (tools/setup.sh installs it)" >&2; exit 2; }
done
# Debian's Emscripten runs its JavaScript tools with node, which finds Debian's node modules
# (acorn) there whatever node release is installed.
export NODE_PATH=/usr/share/nodejs${NODE_PATH:+:$NODE_PATH}
jobs=$(nproc 2>/dev/null || echo 2)
emcmake cmake -S "$top" -B "$top/build-web" -DCMAKE_BUILD_TYPE=Release -DVANTRO_WINDOW=OFF >/dev/null
cmake --build "$top/build-web" -j "$jobs"
if [ "$1" = "--serve" ]; then
    exec node "$top/tools/web/serve_page.js" "$top/build-web/page" "${2:-8080}"
fi
