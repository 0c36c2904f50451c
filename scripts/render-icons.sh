#!/usr/bin/env bash
# Renders the console's icon from its SVG into the PNG sizes the desktop's icon theme uses.
# The PNGs are committed, so a build needs no renderer; run this after changing the SVG
# (needs rsvg-convert, from Debian's librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../data/icons"
for size in 16 24 32 48 64 128 256; do
    mkdir -p "hicolor/${size}x${size}/apps"
    rsvg-convert -w "$size" -h "$size" org.quillo.Console.svg \
        -o "hicolor/${size}x${size}/apps/org.quillo.Console.png"
done
