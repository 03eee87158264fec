#!/usr/bin/env bash
# Renders the installed web edition's icons from vantrell.svg at the sizes a
# phone's home screen and splash screen ask for. The PNGs are committed, so a
# build needs no SVG renderer; run this again after changing the artwork
# (needs rsvg-convert, Debian librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
for size in 192 512; do
    rsvg-convert --width "$size" --height "$size" --output "vantrell-web-${size}.png" vantrell.svg
done
