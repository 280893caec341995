#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Draws the program's emblem at the sizes the desktop wants beyond the 16 and 32 pixel pictures in
# resources/main: a violet rounded square with a dark-blue outline and a white upward arrow with
# swept-back wings. Shapes are given on the 32-pixel grid and scaled, so every size shows the same
# emblem. Needs ImageMagick; run from any folder, writes beside this script.
set -euo pipefail
cd "$(dirname "$0")"

draw() {
    local size=$1
    local scale
    scale=$(awk -v s="$size" 'BEGIN { printf "%.6f", s / 32 }')
    convert -size "${size}x${size}" xc:none \
        -draw "affine $scale,0,0,$scale,0,0
               fill rgb(128,128,255) stroke rgb(32,32,96) stroke-width 1.1
               roundrectangle 1.55,1.55 30.45,30.45 4.2,4.2
               fill none stroke rgb(122,122,245) stroke-width 0.9
               roundrectangle 2.6,2.6 29.4,29.4 3.2,3.2
               fill white stroke none
               path 'M 16,7.4 L 27.9,19.3 Q 21.6,15.1 17.5,17.4 L 17.4,21.2 L 16.8,25.6
                     L 16,27.8 L 15.2,25.6 L 14.6,21.2 L 14.5,17.4 Q 10.4,15.1 4.1,19.3 Z'" \
        -depth 8 -define png:color-type=6 "kestrelmark${size}.png"
}

draw 48
draw 128
