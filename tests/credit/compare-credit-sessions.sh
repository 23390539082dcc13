#!/usr/bin/env bash
# Compares two builds of kalvora-cli on random credit sessions, byte for byte: for every seed
# the scenario of random-credit-sessions and the `credit` command with its random arguments
# (standard output, standard error and exit status).
#
#   compare-credit-sessions.sh OLD-CLI NEW-CLI GENERATOR FIRST LAST
set -u
old=$(realpath "$1") new=$(realpath "$2") generator=$(realpath "$3") first=$4 last=$5
work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
differ=0
compared=0
run() {  # run NAME CLI ARGS...: output, errors and status of one run into $work/NAME.*
    local name=$1
    shift
    (cd "$work" && "$@" >"$name.out" 2>"$name.err"
     echo $? >"$name.status")
}
for seed in $(seq "$first" "$last"); do
    "$generator" script "$seed" >"$work/session.script"
    run old "$old" script session.script
    run new "$new" script session.script
    mapfile -t args < <("$generator" credit "$seed")
    run old-credit "$old" credit "${args[@]}"
    run new-credit "$new" credit "${args[@]}"
    for kind in "" -credit; do
        for part in out err status; do
            if ! cmp -s "$work/old$kind.$part" "$work/new$kind.$part"; then
                echo "seed $seed${kind:+ (credit)}: $part differs"
                differ=$((differ + 1))
            fi
        done
    done
    compared=$((compared + 1))
done
echo "$compared seeds compared (scenario and credit command each), $differ differences"
[ "$differ" -eq 0 ]
