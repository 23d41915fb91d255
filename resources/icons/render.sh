#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the PNG icons from their SVG sources (needs rsvg-convert from
# librsvg2-bin). 16 and 48 pixels have drawings of their own, made for that
# grid; 24 and 32 come from the simplified drawing, 64 and up from the full
# board.
set -eu
cd "$(dirname "$0")"
rsvg-convert -w 16 -h 16 kavirel-16.svg -o kavirel-16.png
for s in 24 32; do
  rsvg-convert -w "$s" -h "$s" kavirel-small.svg -o "kavirel-$s.png"
done
rsvg-convert -w 48 -h 48 kavirel-48.svg -o kavirel-48.png
for s in 64 128 256; do
  rsvg-convert -w "$s" -h "$s" kavirel.svg -o "kavirel-$s.png"
done
