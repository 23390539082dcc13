#!/usr/bin/env bash
# Runs every example of a manual page of kalvora-cli and checks what its text says it shows.
#   man-examples-test.sh MANUAL_PAGE BUILD_FOLDER_OF_KALVORA_CLI
# In the page, each example is a block between .EX and .EE; the lines `.\" expect: CONDITION`
# that follow it are shell conditions on its standard output ($out) and on the files it wrote.
# An example without a condition fails: every example must be checked.
set -uo pipefail
page=$(realpath "$1")
export PATH="$(realpath "$2"):$PATH"
export LC_ALL=C.UTF-8
unset SOURCE_DATE_EPOCH

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
cd "$scratch"
# The files the examples name: saved configurations, a day's orders and a list of codes.
code() { printf 'start\n%s\nprint code\n' "$1" | kalvora-cli script; }
printf '%s\r\n' "$(code 'trim 2')" > trend.klv
printf '%s\r\n' "$(code 'trim 3')" > ghia.klv
printf '%s\r\n' "$(code 'trim 1')" > offer.klv
printf 'not a code\r\n' > broken.klv
mkdir orders
cp trend.klv orders/ivanov.klv
cp ghia.klv orders/petrov.klv
{ code 'trim 0'; code 'trim 1'; code 'trim 2'; } > codes.txt

failures=0 examples=0
block="" in_block=0 pending=""
run_example() {
    local commands=$1 conditions=$2
    examples=$((examples + 1))
    if [ -z "$conditions" ]; then
        echo "FAIL: example without a check: $commands"
        failures=$((failures + 1))
        return
    fi
    out=$(bash -c "$commands" 2>"$scratch/stderr")
    while IFS= read -r condition; do
        if ! eval "$condition"; then
            echo "FAIL: example"
            echo "$commands" | sed 's/^/    /'
            echo "  printed:"
            echo "$out" | head -n 20 | sed 's/^/    /'
            sed 's/^/    stderr: /' "$scratch/stderr"
            echo "  does not meet: $condition"
            failures=$((failures + 1))
        fi
    done <<<"$conditions"
}
conditions=""
while IFS= read -r line; do
    case $line in
        .EX) in_block=1 block="" ;;
        .EE) in_block=0 ;;
        '.\" expect: '*) conditions+="${line#'.\" expect: '}"$'\n' ;;
        *)
            if [ $in_block = 1 ]; then
                # roff escapes as the page shows them
                line=${line//'\-'/-}
                line=${line//"\\(aq"/\'}
                line=${line//'\e'/\\}
                block+="$line"$'\n'
            elif [ -n "$block" ] && [[ $line != .RE ]]; then
                run_example "$block" "${conditions%$'\n'}"
                block="" conditions=""
            fi
            ;;
    esac
done < <(sed -n '/^\.SH \(EXAMPLES\|ПРИМЕРЫ\)/,/^\.SH /p' "$page")
[ -n "$block" ] && run_example "$block" "${conditions%$'\n'}"
echo "$examples examples, $failures failed"
[ "$examples" -gt 0 ] && [ "$failures" = 0 ]
