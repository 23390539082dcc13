#!/usr/bin/env bash
# Installs what is missing, builds and starts Kalvora. Arguments go to the program.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/install-deps.sh
bash scripts/build.sh build
if [ -x build/src/desktop/app/kalvora ]; then
    exec build/src/desktop/app/kalvora "$@"
fi
# A build without the desktop program (KALVORA_GUI=OFF): the command line on the same engine.
exec build/src/cli/kalvora-cli "$@"
