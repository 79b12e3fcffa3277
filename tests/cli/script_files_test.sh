#!/bin/sh
# vantro2-script with a script it cannot read: every case stops with a one-line message of the
# form "vantro2-script:LINE: what" and status 2.
#   script_files_test.sh RUNNER [node]
runner=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0

expect() {  # NAME WANT_STATUS WANT_STDERR_PATTERN -- command...
    name=$1 want_status=$2 pattern=$3
    shift 4
    "$@" >"$work/out" 2>"$work/err"
    check_result $?
}

# As expect, with standard output sent where OUT says (a file name, or - for closed).
expect_output_to() {  # NAME WANT_STATUS WANT_STDERR_PATTERN OUT -- command...
    name=$1 want_status=$2 pattern=$3 out=$4
    shift 5
    if [ "$out" = - ]; then "$@" >&- 2>"$work/err"; else "$@" >"$out" 2>"$work/err"; fi
    check_result $?
}

check_result() {
    status=$1
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
expect bad-line 2 '^vantro2-script:3: value out of range for Qnh \(0\.\.4294967295\)$' -- "$runner" "$work/bad.v2s"
printf 'on\nset RunDepth 0\n' >"$work/run-depth.v2s"
expect read-only 2 '^vantro2-script:2: RunDepth is kept by the instrument and cannot be set$' -- "$runner" "$work/run-depth.v2s"

# NUL and CR bytes: a NUL anywhere and a CR that does not end a line as CRLF stop the script
# at their line, however they hide (in a comment past byte 1023, a script of nothing else,
# an endless stream of them).
printf 'get Qnh\000garbage\n' >"$work/nul.v2s"
expect nul-in-line 2 '^vantro2-script:1: NUL byte in the script$' -- "$runner" "$work/nul.v2s"
{ printf 'get Qnh\n# '; head -c 1000 /dev/zero | tr '\000' x; printf '\000png %s\n' "$work/hidden.png"; } >"$work/nul-comment.v2s"
expect nul-in-comment 2 '^vantro2-script:2: NUL byte in the script$' -- "$runner" "$work/nul-comment.v2s"
[ -e "$work/hidden.png" ] && { echo "nul-in-comment: the hidden png command ran"; fail=1; }
head -c 64 /dev/zero >"$work/zeros.v2s"
expect only-nul 2 '^vantro2-script:1: NUL byte in the script$' -- "$runner" "$work/zeros.v2s"
expect dev-zero 2 '^vantro2-script:1: NUL byte in the script$' -- "$runner" /dev/zero
printf 'get Qnh\n# fine\nget Qnh\rlcd\n' >"$work/cr.v2s"
expect lone-cr 2 '^vantro2-script:3: CR byte in the script' -- "$runner" "$work/cr.v2s"
printf 'get Qnh\rget Qnh\r' >"$work/cr-only.v2s"
expect cr-only 2 '^vantro2-script:1: CR byte in the script' -- "$runner" "$work/cr-only.v2s"
printf 'get Qnh\r\n\r\nget Qnh\r\n' >"$work/crlf.v2s"
if [ "$("$runner" "$work/crlf.v2s" 2>&1)" != "$(printf 'Qnh=0\nQnh=0')" ]; then echo "crlf: not accepted"; fail=1; fi

# Standard output that cannot take the output: a full disk, a closed descriptor, a reader
# that went away. Each is reported with status 2.
printf 'get Qnh\n' >"$work/get.v2s"
expect_output_to full-disk 2 '^vantro2-script: cannot write standard output: No space left on device$' /dev/full -- "$runner" "$work/get.v2s"
# Node.js puts /dev/null in place of a closed standard descriptor before any program runs, so
# the runner for Node.js (second argument "node") never sees that one.
[ "$2" = node ] ||
    expect_output_to closed 2 '^vantro2-script: cannot write standard output: Bad file descriptor$' - -- "$runner" "$work/get.v2s"
{ printf 'on\ncycle 80\n'; for i in 1 2 3 4 5 6 7 8 9 10 11 12 13 14 15 16 17 18 19 20; do echo lcd; done; } >"$work/lcd.v2s"
{ "$runner" "$work/lcd.v2s" 2>"$work/err"; echo $? >"$work/status"; } | head -c 10 >/dev/null
if [ "$(cat "$work/status")" != 2 ] || ! grep -q '^vantro2-script: cannot write standard output: Broken pipe$' "$work/err"; then
    echo "vanished-reader: status $(cat "$work/status")"; cat "$work/err"; fail=1
fi

# png: a failed write names the file and the reason and leaves the old picture whole; no
# temporary file stays behind. A good write replaces it.
mkdir "$work/pictures"
echo OLD >"$work/pictures/old.png"
printf 'png %s\n' "$work/pictures/old.png" >"$work/png.v2s"
err=$( (ulimit -f 0; exec "$runner" "$work/png.v2s") 2>&1 >/dev/null; echo "status=$?")
case "$err" in
*"cannot write $work/pictures/old.png: File too large"*status=2) ;;
*) echo "png-failed: $err"; fail=1 ;;
esac
[ "$(cat "$work/pictures/old.png")" = OLD ] || { echo "png-failed: the old picture was lost"; fail=1; }
[ "$(ls "$work/pictures")" = old.png ] || { echo "png-failed: left $(ls "$work/pictures")"; fail=1; }
printf 'png %s/missing/new.png\n' "$work" >"$work/png-folder.v2s"
expect png-no-folder 2 "^vantro2-script:1: cannot write $work/missing/new.png: No such file or directory\$" -- "$runner" "$work/png-folder.v2s"
"$runner" "$work/png.v2s" && [ "$(head -c 4 "$work/pictures/old.png" | tail -c 3)" = PNG ] || { echo "png: not replaced"; fail=1; }
exit $fail
