#!/bin/sh
# Fails on any #include that runs against the layer order lcd < instrument < screens < host:
# a file of a layer may include its own layer and the layers below it, never one above. The
# unit tests of a layer (tests/lcd, tests/instrument, tests/screens) keep to the same rule.
top=$(cd "$(dirname "$0")/.." && pwd)
cd "$top" || exit 2
status=0
for rule in "lcd:instrument|screens|host" "instrument:screens|host" "screens:host" "tests/lcd:instrument|screens|host" \
    "tests/instrument:screens|host" "tests/screens:host"; do
    layer=${rule%%:*}
    above=${rule#*:}
    hits=$(find "$layer" -name '*.h' -o -name '*.cpp' | sort |
        xargs grep -nE "^[[:space:]]*#[[:space:]]*include[[:space:]]*\"([./]*/)?($above)/")
    if [ -n "$hits" ]; then
        echo "$layer/ includes a layer above it:"
        echo "$hits"
        status=1
    fi
done
[ $status -eq 0 ] && echo "layers: every include points down"
exit $status
