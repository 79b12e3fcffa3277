#!/bin/sh
# Makes the gallery: runs every script in tools/gallery/ through vantro2-script inside
# docs/gallery/, where their `png` commands write the pictures.
#   tools/gallery.sh [SCRIPT...]
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
runner=${VANTRO2_SCRIPT:-$top/build/vantro2-script}
mkdir -p "$top/docs/gallery"
scripts=${*:-$top/tools/gallery/*.v2s}
for s in $scripts; do
    s=$(cd "$(dirname "$s")" && pwd)/$(basename "$s")
    (cd "$top/docs/gallery" && "$runner" "$s" >/dev/null)
    echo "gallery: $(basename "$s")"
done
