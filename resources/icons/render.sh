#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the PNG icons from the two SVG sources (needs rsvg-convert from
# librsvg2-bin). The small sizes come from a simplified drawing that stays
# readable at 16 to 32 pixels.
set -eu
cd "$(dirname "$0")"
for s in 16 24 32; do
  rsvg-convert -w "$s" -h "$s" kavirel-small.svg -o "kavirel-$s.png"
done
for s in 48 64 128 256; do
  rsvg-convert -w "$s" -h "$s" kavirel.svg -o "kavirel-$s.png"
done
