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

echo "== kalvora-cli documents for 2,000 and 4,000 configurations, one process each command"
bash benchmarks/batch-documents.sh build-bench/src/cli 2000 4000

echo "== kalvora-cli start: processor time against /bin/true, 300 paired runs"
build-bench/benchmarks/kalvora_start_cost_benchmark 300 -- \
    "$PWD/build-bench/src/cli/kalvora-cli" price '####################'
echo "shared libraries loaded by kalvora-cli: $(ldd build-bench/src/cli/kalvora-cli | wc -l)"

if [ -x build-bench/benchmarks/kalvora_window_benchmark ]; then
    echo "== the desktop window (offscreen)"
    export XDG_CONFIG_HOME
    XDG_CONFIG_HOME=$(mktemp -d)
    QT_QPA_PLATFORM=offscreen build-bench/benchmarks/kalvora_window_benchmark
    # The whole process, start to the first frame and exit, measured from outside in pairs with a
    # minimal Qt program started the same way: on a loaded machine both slow down alike, and
    # the difference is what Kalvora adds. perf stat gives the processor time as well.
    kalvora=() minimal=() added=()
    for i in $(seq 1 11); do
        start=$(date +%s%N)
        QT_QPA_PLATFORM=offscreen build-bench/benchmarks/kalvora_minimal_start
        middle=$(date +%s%N)
        KALVORA_START_ONLY=1 QT_QPA_PLATFORM=offscreen build-bench/benchmarks/kalvora_window_benchmark
        end=$(date +%s%N)
        minimal+=($(( (middle - start) / 1000000 )))
        kalvora+=($(( (end - middle) / 1000000 )))
        added+=($(( (end - middle - (middle - start)) / 1000000 )))
    done
    median() { printf '%s\n' "$@" | sort -n | sed -n 6p; }
    echo "whole process to the first frame: $(median "${kalvora[@]}") ms;" \
        "a minimal Qt program $(median "${minimal[@]}") ms;" \
        "added by Kalvora $(median "${added[@]}") ms (medians of 11 pairs)"
    if command -v perf >/dev/null 2>&1; then
        for program in kalvora_minimal_start kalvora_window_benchmark; do
            KALVORA_START_ONLY=1 QT_QPA_PLATFORM=offscreen perf stat -r 10 -e task-clock,page-faults \
                build-bench/benchmarks/$program 2>&1 |
                grep -E 'task-clock|page-faults|elapsed' | sed "s/^/$program: /"
        done
    fi
    rm -rf "$XDG_CONFIG_HOME"
fi

if [ -x build-bench/benchmarks/kalvora_picture_benchmark ]; then
    echo "== the pictures of the configured car (offscreen)"
    QT_QPA_PLATFORM=offscreen build-bench/benchmarks/kalvora_picture_benchmark
fi
