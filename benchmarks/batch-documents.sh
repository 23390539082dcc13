#!/usr/bin/env bash
# Documents for many configurations in one kalvora-cli process, each into a file of its own:
# wall-clock and processor time (user + system) for 2,000 and 4,000 inputs of every document
# command. A run that costs the same per document takes twice as long for twice the inputs.
#
#   benchmarks/batch-documents.sh FOLDER_WITH_KALVORA_CLI [COUNT...]
#
# COMMANDS (words separated by ",") chooses the commands; by default all five.
set -euo pipefail
bin=$1
shift
counts=("$@")
[ ${#counts[@]} -gt 0 ] || counts=(2000 4000)
cli="$bin/kalvora-cli"

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# A hundred different codes (trims and colours vary), repeated as a day's orders would be.
{
    echo start
    for i in $(seq 0 99); do
        echo "trim $((i % 4))"
        echo "colour $((i % 12))"
        echo "print code"
    done
} | "$cli" script - > "$work/hundred"
: > "$work/codes"
for i in $(seq 1 100); do cat "$work/hundred" >> "$work/codes"; done

TIMEFORMAT='%R %U %S'
for count in "${counts[@]}"; do
    head -n "$count" "$work/codes" > "$work/inputs"
    IFS=, read -r -a commands <<< "${COMMANDS:-order,checklist,explain,picture --size 200x80,offer}"
    for command in "${commands[@]}"; do
        rm -rf "$work/out"
        # shellcheck disable=SC2086 # the command's words are split on purpose
        figures=$({ time "$cli" $command --output-dir "$work/out" --name '{n}.doc' - \
            < "$work/inputs" > /dev/null 2> "$work/errors"; } 2>&1)
        read -r wall user system <<< "$figures"
        written=$(find "$work/out" -type f | wc -l)
        printf '%-22s %5d documents: %6.2f s wall, %6.2f s processor (%.2f user, %.2f system), %d written\n' \
            "$command" "$count" "$wall" "$(echo "$user + $system" | bc)" "$user" "$system" "$written"
    done
done
