#!/bin/sh
# Runs a command on a private virtual X display (Xvfb picks a free display number itself).
#   tools/with-xvfb.sh COMMAND [ARG...]
set -e
command -v Xvfb >/dev/null || { echo "with-xvfb.sh: Xvfb is not installed (tools/setup.sh installs it)" >&2; exit 2; }
[ $# -gt 0 ] || { echo "usage: with-xvfb.sh COMMAND [ARG...]" >&2; exit 2; }
fifo_dir=$(mktemp -d)
mkfifo "$fifo_dir/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$fifo_dir/display" 2>"$fifo_dir/xvfb.log" &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; wait $xvfb 2>/dev/null; rm -rf "$fifo_dir"' EXIT INT TERM
read -r number <"$fifo_dir/display" || { cat "$fifo_dir/xvfb.log" >&2; exit 2; }
set +e
DISPLAY=":$number" QT_QPA_PLATFORM=xcb "$@"
status=$?
exit $status
