#!/usr/bin/env bash
# Renders the editor's bitmaps from their SVG sources (the PNGs are kept in the repository).
set -euo pipefail
cd "$(dirname "$0")"
for f in *.svg; do rsvg-convert "$f" -o "${f%.svg}.png"; done
