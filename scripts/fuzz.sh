#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time (FUZZ_SECONDS, default
# 60) from the seed corpus in tests/fuzz-corpus. A crash or a broken invariant fails the run and
# leaves the input that caused it in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${FUZZ_SECONDS:-60}"
targets=(fuzz_code_decoder fuzz_config_file fuzz_credit_fields fuzz_script)
generator=()
if command -v ninja >/dev/null 2>&1; then generator=(-G Ninja); fi
if [ ! -f build-fuzz/CMakeCache.txt ]; then
    CC=clang CXX=clang++ cmake -S . -B build-fuzz "${generator[@]}" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DKALVORA_FUZZERS=ON -DKALVORA_GUI=OFF >/dev/null
fi
cmake --build build-fuzz --parallel "$(nproc)" --target "${targets[@]}"
mkdir -p build-fuzz/findings
status=0
for t in "${targets[@]}"; do
    exe=$(find build-fuzz -type f -name "$t" -perm -u+x | head -n 1)
    corpus=$(mktemp -d)
    cp -r "tests/fuzz-corpus/$t/." "$corpus/"
    echo "fuzz: $t for ${seconds}s"
    if ! "$exe" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
            -artifact_prefix="build-fuzz/findings/$t-" -print_final_stats=0 "$corpus" \
            >"build-fuzz/findings/$t.log" 2>&1; then
        echo "fuzz: $t FAILED, see build-fuzz/findings/$t.log"
        tail -n 30 "build-fuzz/findings/$t.log"
        status=1
    else
        grep -E '^#[0-9]+.*DONE' "build-fuzz/findings/$t.log" | tail -n 1 || true
    fi
    rm -rf "$corpus"
done
exit $status
