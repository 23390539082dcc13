#!/bin/sh
# Plays one scenario through `kalvora-cli script` and compares what it printed byte for byte.
#
#   run-scenario.sh CLI DIR/NAME.script
#
# The scenario runs in a fresh temporary folder holding a copy of DIR/files/, so `open`, `save`
# and `start FILE` work on relative paths and never touch the source tree. Expected results:
#   NAME.expected  standard output (required)
#   NAME.stderr    standard error (when absent, standard error must be empty)
#   NAME.status    exit status (when absent, 0)
set -u
cli=$1
script=$2
dir=$(dirname "$script")
name=$(basename "$script" .script)

work=$(mktemp -d) || exit 1
results=$(mktemp -d) || exit 1
trap 'rm -rf "$work" "$results"' EXIT
cp -R "$dir/files/." "$work/"

(cd "$work" && "$cli" script "$script" >"$results/stdout" 2>"$results/stderr")
status=$?

failed=0
if ! cmp -s "$dir/$name.expected" "$results/stdout"; then
    echo "standard output differs from $name.expected:"
    diff -u "$dir/$name.expected" "$results/stdout" | head -80
    failed=1
fi
if [ -f "$dir/$name.stderr" ]; then
    expectedErr="$dir/$name.stderr"
else
    expectedErr=/dev/null
fi
if ! cmp -s "$expectedErr" "$results/stderr"; then
    echo "standard error differs:"
    diff -u "$expectedErr" "$results/stderr"
    failed=1
fi
expectedStatus=0
[ -f "$dir/$name.status" ] && expectedStatus=$(cat "$dir/$name.status")
if [ "$status" != "$expectedStatus" ]; then
    echo "exit status $status, expected $expectedStatus"
    failed=1
fi
exit $failed
