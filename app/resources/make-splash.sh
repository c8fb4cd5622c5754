#!/usr/bin/env bash
# Draws the splash bitmap (resource 151) once; the result is committed and
# compiled into the program. Needs ImageMagick and the DejaVu fonts.
# 496 x 142 pixels, 8 bits per pixel with a 256-entry colour table.
set -euo pipefail
cd "$(dirname "$0")"
fonts=/usr/share/fonts/truetype/dejavu
convert -size 142x496 gradient:'#0b2f5a-#3d7cc0' -rotate -90 \
  -fill '#ffffff22' -draw 'circle 430,30 430,150' \
  -fill '#ffffff18' -draw 'circle 470,130 470,200' \
  -fill '#e8a33d' -draw 'rectangle 24,100 300,103' \
  -font "$fonts/DejaVuSans-Bold.ttf" -pointsize 58 -fill white \
  -annotate +22+84 'Vantor' \
  -font "$fonts/DejaVuSans.ttf" -pointsize 15 -fill '#dce8f5' \
  -annotate +24+126 'Room controller monitor' \
  -dither None -colors 256 -type Palette -compress None BMP3:splash151.bmp
