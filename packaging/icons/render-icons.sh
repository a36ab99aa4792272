#!/usr/bin/env bash
# Renders the hicolor PNG icons from the hand-written SVG. Run it after changing the SVG and
# commit the PNGs: the build only copies them, so it needs no SVG renderer.
# Needs rsvg-convert (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")"
svg=org.tarveno.Tarveno.svg
for size in 16 22 24 32 48 64 128 256; do
  mkdir -p "hicolor/${size}x${size}/apps"
  rsvg-convert --width "$size" --height "$size" "$svg" --output "hicolor/${size}x${size}/apps/org.tarveno.Tarveno.png"
done
