#!/usr/bin/env bash
# Builds a Release tree with the benchmarks and prints every figure of docs/performance.md.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh build-bench -DCMAKE_BUILD_TYPE=Release -DKALVORA_BENCHMARKS=ON -DKALVORA_TESTS=OFF
echo "== engine (Google Benchmark, median of 10)"
build-bench/benchmarks/kalvora_benchmarks --benchmark_repetitions=10 \
    --benchmark_report_aggregates_only=true 2>/dev/null | grep -E '^(Benchmark|BM_.*_median)'

echo "== kalvora-cli price over 10,000 codes"
codes=$(mktemp)
trap 'rm -f "$codes"' EXIT
# Every code the encoder can write for ten thousand configurations: trim, body and options vary.
{
    echo start
    for i in $(seq 0 99); do
        echo "trim $((i % 4))"; echo "colour $((i % 12))"; echo "print code"
    done
} | build-bench/src/cli/kalvora-cli script - > "$codes"
for i in $(seq 1 100); do cat "$codes"; done > "$codes.all" && mv "$codes.all" "$codes"
wc -l < "$codes" | xargs echo "codes:"
start=$(date +%s%N)
xargs build-bench/src/cli/kalvora-cli price < "$codes" > /dev/null
echo "kalvora-cli price, all codes: $(( ($(date +%s%N) - start) / 1000000 )) ms"

echo "== kalvora-cli documents for 2,000 configurations, one process each command"
head -n 2000 "$codes" > "$codes.2000"
out=$(mktemp -d)
for command in order checklist explain picture; do
    rm -rf "$out"/*
    start=$(date +%s%N)
    build-bench/src/cli/kalvora-cli "$command" --output-dir "$out" --name '{n}.doc' - < "$codes.2000"
    echo "$command, 2,000 files: $(( ($(date +%s%N) - start) / 1000000 )) ms ($(ls "$out" | wc -l) written)"
done
rm -rf "$out" "$codes.2000"

echo "== kalvora-cli start: processor time against /bin/true, 300 paired runs"
build-bench/benchmarks/kalvora_start_cost_benchmark 300 -- \
    "$PWD/build-bench/src/cli/kalvora-cli" price '####################'
echo "shared libraries loaded by kalvora-cli: $(ldd build-bench/src/cli/kalvora-cli | wc -l)"

if [ -x build-bench/benchmarks/kalvora_window_benchmark ]; then
    echo "== the desktop window (offscreen)"
    export XDG_CONFIG_HOME
    XDG_CONFIG_HOME=$(mktemp -d)
    QT_QPA_PLATFORM=offscreen build-bench/benchmarks/kalvora_window_benchmark
    runs=()
    for i in 1 2 3 4 5 6 7; do
        start=$(date +%s%N)
        KALVORA_START_ONLY=1 QT_QPA_PLATFORM=offscreen build-bench/benchmarks/kalvora_window_benchmark
        runs+=($(( ($(date +%s%N) - start) / 1000000 )))
    done
    echo "cold start, whole process to the first frame: $(printf '%s\n' "${runs[@]}" | sort -n | sed -n 4p) ms median of 7"
    rm -rf "$XDG_CONFIG_HOME"
fi

if [ -x build-bench/benchmarks/kalvora_picture_benchmark ]; then
    echo "== the pictures of the configured car (offscreen)"
    QT_QPA_PLATFORM=offscreen build-bench/benchmarks/kalvora_picture_benchmark
fi
