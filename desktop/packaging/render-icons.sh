#!/usr/bin/env bash
# Renders the icon theme sizes from assets/vantrell.svg. The PNGs are
# committed, so building needs no SVG renderer; run this again after changing
# the artwork (needs rsvg-convert, Debian librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 22 24 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" --output "icons/${size}.png" ../../assets/vantrell.svg
done
