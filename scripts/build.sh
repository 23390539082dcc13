#!/usr/bin/env bash
# Configures and builds Kalvora into build/ (or the folder given as the first argument).
# Further arguments go to CMake's configure step, e.g. -DKALVORA_SANITIZE=ON.
set -euo pipefail
cd "$(dirname "$0")/.."
dir="${1:-build}"
shift || true
generator=()
if command -v ninja >/dev/null 2>&1; then generator=(-G Ninja); fi
if [ ! -f "$dir/CMakeCache.txt" ]; then
    cmake -S . -B "$dir" "${generator[@]}" "$@"
elif [ $# -gt 0 ]; then
    cmake -S . -B "$dir" "$@"
fi
cmake --build "$dir" --parallel "$(nproc)"
