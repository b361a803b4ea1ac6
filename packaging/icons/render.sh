#!/usr/bin/env bash
# Renders the program's icon from its SVG source in the sizes the desktops use (the PNGs are kept in the
# repository; the sizes are ZARVEX1_ICON_SIZES of the top CMakeLists.txt).
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 22 24 32 48 64 128 256; do
    rsvg-convert -w "$size" -h "$size" zarvex1.svg -o "zarvex1-$size.png"
done
