#!/bin/sh
# Several kalvora-cli processes save one file over and over while a reader keeps reading it:
# every save must succeed and the reader must always see a complete file, the old or the new
# one, never an empty or torn one.
#
#   concurrent-save.sh CLI [WRITERS] [SAVES_PER_WRITER]
set -u
cli=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
writers=${2:-8}
saves=${3:-300}
work=$(mktemp -d) || exit 1
trap '[ -n "${KEEP:-}" ] || rm -rf "$work"' EXIT
cd "$work" || exit 1

a='Zt!F!!!t!.!!!!!!!!!!'
b='####################'
# The two files as the program writes them (a decoded code is saved in its settled form).
printf 'start\ncode %s\nsave a.ref yes\ncode %s\nsave b.ref yes\n' "$a" "$b" |
    "$cli" script >/dev/null || exit 1
cp a.ref t.klv

# Each writer alternates the two configurations.
i=0
while [ "$i" -lt "$saves" ]; do
    printf 'code %s\nsave t.klv yes\ncode %s\nsave t.klv yes\n' "$a" "$b"
    i=$((i + 2))
done >scenario
printf 'start\n' | cat - scenario >scenario.full

reader() {
    aText=$(cat a.ref)
    bText=$(cat b.ref)
    reads=0
    torn=0
    while [ ! -e stop ]; do
        # One read of the file, then two comparisons of what was read.
        text=$(cat t.klv)
        if [ "$text" != "$aText" ] && [ "$text" != "$bText" ]; then
            torn=$((torn + 1))
            printf '%s\n' "$text" | od -c | head -3 >>torn.log
        fi
        reads=$((reads + 1))
    done
    echo "$reads $torn" >reader.result
}
reader &
readerPid=$!

started=$(date +%s)
pids=
w=0
while [ "$w" -lt "$writers" ]; do
    "$cli" script scenario.full >"out.$w" 2>"err.$w" &
    pids="$pids $!"
    w=$((w + 1))
done
failedWriters=0
for pid in $pids; do
    wait "$pid" || failedWriters=$((failedWriters + 1))
done
touch stop
wait "$readerPid"
seconds=$(( $(date +%s) - started ))

saved=$(cat out.* | grep -c '^message: Ваша конфигурация сохранена')
failed=$(cat out.* | grep -c '^message: Не удалось')
read -r reads torn <reader.result
leftovers=$(find . -name '.t.klv.*' | wc -l)
echo "writers $writers, saves $((writers * saves)): saved $saved, failed $failed;" \
     "reads $reads, torn $torn; temporary files left $leftovers; ${seconds}s"
[ "$failedWriters" -eq 0 ] && [ "$failed" -eq 0 ] && [ "$saved" -eq $((writers * saves)) ] &&
    [ "$torn" -eq 0 ] && [ "$leftovers" -eq 0 ] && [ "$reads" -gt 0 ]
