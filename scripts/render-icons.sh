#!/usr/bin/env bash
# Renders packaging/icons/kalvora.svg into the PNG sizes that the package installs. Run it after
# changing the drawing and commit the PNGs; the build itself only copies them.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
for size in 16 32 48 64 128 256; do
    mkdir -p "hicolor/${size}x${size}/apps"
    rsvg-convert --width "$size" --height "$size" kalvora.svg \
        --output "hicolor/${size}x${size}/apps/kalvora.png"
done
echo "render-icons: wrote $(ls hicolor/*/apps/kalvora.png | wc -l) PNG files"
