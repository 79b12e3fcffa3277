#!/bin/sh
# Passes when COMMAND fails with a sanitizer report matching PATTERN on standard error.
#   expect_sanitizer_finding.sh PATTERN COMMAND [ARG...]
pattern=$1
shift
err=$(mktemp)
trap 'rm -f "$err"' EXIT
"$@" >/dev/null 2>"$err"
status=$?
if [ "$status" = 0 ]; then
    echo "no finding: $* exited with status 0"; cat "$err"; exit 1
fi
if ! grep -q "$pattern" "$err"; then
    echo "status $status but no report matching '$pattern':"; cat "$err"; exit 1
fi
echo "finding reported as expected (status $status)"
