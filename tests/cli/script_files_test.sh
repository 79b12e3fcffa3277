#!/bin/sh
# vantro2-script with a script it cannot read: every case stops with a one-line message of the
# form "vantro2-script:LINE: what" and status 2.
#   script_files_test.sh RUNNER
runner=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0

expect() {  # NAME WANT_STATUS WANT_STDERR_PATTERN -- command...
    name=$1 want_status=$2 pattern=$3
    shift 4
    "$@" >"$work/out" 2>"$work/err"
    status=$?
    if [ "$status" != "$want_status" ]; then
        echo "$name: status $status, expected $want_status"; fail=1
    fi
    if ! grep -Eq "$pattern" "$work/err" || [ "$(wc -l <"$work/err")" != 1 ]; then
        echo "$name: stderr does not match '$pattern':"; cat "$work/err"; fail=1
    fi
}

expect missing-file 2 '^vantro2-script:0: cannot open .*/no-such-script\.v2s: ' -- "$runner" "$work/no-such-script.v2s"
mkdir "$work/folder.v2s"
expect directory 2 '^vantro2-script:0: cannot read .*/folder\.v2s: ' -- "$runner" "$work/folder.v2s"

# A readable script still runs, and a bad line names its number.
printf 'get Qnh\n\nset Qnh 9999999999\n' >"$work/bad.v2s"
expect bad-line 2 '^vantro2-script:3: value out of range' -- "$runner" "$work/bad.v2s"
exit $fail
