#!/bin/sh
# Makes the gallery afresh in a scratch folder and compares it with docs/gallery/: every
# picture must come out byte for byte the same, and none may be missing or left over.
#   tools/check_gallery.sh [RUNNER]
top=$(cd "$(dirname "$0")/.." && pwd)
runner=${1:-${VANTRO2_SCRIPT:-$top/build/vantro2-script}}
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
GALLERY_DIR=$scratch VANTRO2_SCRIPT=$runner "$top/tools/gallery.sh" >/dev/null || { echo "gallery scripts failed"; exit 1; }
status=0
for made in "$scratch"/*.png; do
    name=$(basename "$made")
    if [ ! -f "$top/docs/gallery/$name" ]; then echo "new picture not in docs/gallery: $name"; status=1
    elif ! cmp -s "$made" "$top/docs/gallery/$name"; then echo "picture differs: $name"; status=1; fi
done
for kept in "$top"/docs/gallery/*.png; do
    [ -f "$scratch/$(basename "$kept")" ] || { echo "no script makes docs/gallery/$(basename "$kept")"; status=1; }
done
[ $status -eq 0 ] && echo "gallery: every picture reproduced"
exit $status
