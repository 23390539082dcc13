#!/usr/bin/env bash
# Installs what is missing, builds and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build
# Every test sets what it needs itself (the Qt ones run offscreen), so ctest runs here as it does
# by hand in a build folder: without a display or a platform chosen outside.
env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY \
    ctest --test-dir build --output-on-failure --parallel "$(nproc)"
