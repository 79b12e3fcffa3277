#!/bin/sh
# Makes the gallery: runs every script in tools/gallery/ through vantro2-script inside
# docs/gallery/ (or GALLERY_DIR), where their `png` commands write the pictures; the demo
# flights are there as `flights/` while they run.
#   tools/gallery.sh [SCRIPT...]
set -e
top=$(cd "$(dirname "$0")/.." && pwd)
runner=${VANTRO2_SCRIPT:-$top/build/vantro2-script}
out=${GALLERY_DIR:-$top/docs/gallery}
mkdir -p "$out"
ln -sfn "$top/assets/flights" "$out/flights"
trap 'rm -f "$out/flights"' EXIT
scripts=${*:-$top/tools/gallery/*.v2s}
for s in $scripts; do
    s=$(cd "$(dirname "$s")" && pwd)/$(basename "$s")
    (cd "$out" && "$runner" "$s" >/dev/null)
    echo "gallery: $(basename "$s")"
done
