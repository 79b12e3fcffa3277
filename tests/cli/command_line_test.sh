#!/bin/sh
# Every shipped program's command line: --help (usage on standard output, status 0),
# --version ("PROGRAM VERSION", status 0), both without a display; an unknown option or a bad
# value: a message and the usage on standard error, status 2, nothing on standard output.
#   command_line_test.sh VERSION VANTRO2 VANTRO2_SCRIPT VANTRO2_FUZZ
version=$1 window=$2 script=$3 fuzz=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail=0
# No display of any kind: --help and --version must not need one.
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

run() {  # NAME WANT_STATUS STDOUT_PATTERN STDERR_PATTERN -- command...
    name=$1 want=$2 out_pattern=$3 err_pattern=$4
    shift 5
    "$@" >"$work/out" 2>"$work/err" </dev/null
    status=$?
    [ "$status" = "$want" ] || { echo "$name: status $status, expected $want"; fail=1; }
    if [ -n "$out_pattern" ]; then
        grep -Eq -e "$out_pattern" "$work/out" || { echo "$name: stdout lacks '$out_pattern':"; cat "$work/out"; fail=1; }
    elif [ -s "$work/out" ]; then
        echo "$name: unexpected stdout:"; cat "$work/out"; fail=1
    fi
    if [ -n "$err_pattern" ]; then
        grep -Eq -e "$err_pattern" "$work/err" || { echo "$name: stderr lacks '$err_pattern':"; cat "$work/err"; fail=1; }
    elif [ -s "$work/err" ]; then
        echo "$name: unexpected stderr:"; cat "$work/err"; fail=1
    fi
}

for program in "$window" "$script" "$fuzz"; do
    prog=$(basename "$program")
    run "$prog --help" 0 '^Usage: |^usage: ' '' -- "$program" --help
    run "$prog -h" 0 '^Usage: |^usage: ' '' -- "$program" -h
    run "$prog --version" 0 "^$prog $version\$" '' -- "$program" --version
    run "$prog --no-such-option" 2 '' "no-such-option" -- "$program" --no-such-option
    grep -Eq '^Usage: |^usage: ' "$work/err" || { echo "$prog: no usage after an unknown option"; fail=1; }
done

# The window's values and words are checked before any window opens.
run "vantro2 --zoom 5" 2 '' '--zoom takes 1, 2, 3 or 4' -- "$window" --zoom 5
run "vantro2 --zoom" 2 '' 'Missing value' -- "$window" --zoom
run "vantro2 --screenshot-scale 3" 2 '' '--screenshot-scale takes 1, 2 or 4' -- "$window" --screenshot-scale 3
run "vantro2 stray word" 2 '' 'unexpected argument stray' -- "$window" stray
run "vantro2 --record X --replay Y" 2 '' 'cannot be used together' -- "$window" --record "$work/s" --replay "$work/t"
printf 'on\nlcd\n' >"$work/probe.v2s"
run "vantro2 --replay with a probe" 2 '' 'probe.v2s:2: not a recorded panel command' -- \
    env QT_QPA_PLATFORM=offscreen "$window" --replay "$work/probe.v2s"
run "vantro2 --record into no folder" 2 '' 'cannot write .*/none/s.v2s' -- \
    env QT_QPA_PLATFORM=offscreen "$window" --record "$work/none/s.v2s"

# vantro2-script: one file, "-" for standard input, "--" before a file named like an option.
run "vantro2-script two files" 2 '' 'only one script file' -- "$script" a b
printf 'get KeySlot\n' >"$work/-x.v2s"
run "vantro2-script -- -x.v2s" 0 '^KeySlot=0$' '' -- sh -c "cd '$work' && '$script' -- -x.v2s"
run "vantro2-script -" 0 '^KeySlot=0$' '' -- sh -c "'$script' - <'$work/-x.v2s'"
run "vantro2-fuzz --seed" 2 '' 'incomplete option --seed' -- "$fuzz" --seed
exit $fail
