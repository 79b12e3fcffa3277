#!/bin/sh
# The window program without a display it can open: one line on standard error, status 1,
# never an abort.
#   window_display_test.sh PROGRAM
program=$1
fail=0
check() {  # NAME WANT_PATTERN [VAR=VALUE...]
    name=$1 pattern=$2
    shift 2
    err=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$@" "$program" 2>&1 >/dev/null)
    status=$?
    if [ "$status" != 1 ] || ! printf '%s\n' "$err" | grep -Eq "$pattern" || [ "$(printf '%s\n' "$err" | wc -l)" != 1 ]; then
        echo "$name: status $status, stderr:"; printf '%s\n' "$err"; fail=1
    fi
}
check unset '^vantro2: cannot open the display: DISPLAY is not set$'
check unreachable '^vantro2: cannot open the display: :4711 does not answer$' DISPLAY=:4711
check xcb-chosen '^vantro2: cannot open the display: :4711 does not answer$' QT_QPA_PLATFORM=xcb DISPLAY=:4711
exit $fail
