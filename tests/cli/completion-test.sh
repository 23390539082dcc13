#!/usr/bin/env bash
# The bash completion of kalvora-cli, as bash-completion loads it: what each position offers.
#   completion-test.sh COMPLETION_FILE
set -uo pipefail
source /usr/share/bash-completion/bash_completion
source "$1"
folder=$(mktemp -d)
trap 'rm -rf "$folder"' EXIT
cd "$folder"
touch ghia.klv notes.txt
mkdir out

failures=0
# expect "LINE TO COMPLETE" "WORD THAT MUST BE OFFERED" ["WORD THAT MUST NOT"]
expect() {
    local line=$1 want=$2 unwanted=${3:-}
    read -ra COMP_WORDS <<<"$line"
    [[ $line == *" " ]] && COMP_WORDS+=("")
    COMP_CWORD=$((${#COMP_WORDS[@]} - 1))
    COMP_LINE=$line
    COMP_POINT=${#line}
    COMPREPLY=()
    _kalvora_cli kalvora-cli "${COMP_WORDS[COMP_CWORD]}" "${COMP_WORDS[COMP_CWORD - 1]}"
    local offered=" ${COMPREPLY[*]} "
    if [[ $offered != *" $want "* ]] || { [[ -n $unwanted ]] && [[ $offered == *" $unwanted "* ]]; }; then
        echo "FAIL: «$line» offers:$offered(wanted $want${unwanted:+, not $unwanted})"
        failures=$((failures + 1))
    fi
}

expect "kalvora-cli " price
expect "kalvora-cli ch" checklist order
expect "kalvora-cli order --" --no-prices --json
expect "kalvora-cli order --output-dir " out ghia.klv
expect "kalvora-cli price " ghia.klv notes.txt
expect "kalvora-cli explain --" --output-dir
expect "kalvora-cli offer --n" --name
expect "kalvora-cli credit 20000 --ta" --table
expect "kalvora-cli credit 20000 --table " summary
expect "kalvora-cli list " credit-fields
expect "kalvora-cli list --" --json
expect "kalvora-cli help " picture
expect "kalvora-cli script --" --strict
[ "$failures" = 0 ] && echo "completion: all positions offer what they should"
exit "$failures"
