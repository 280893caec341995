#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Makes the about picture of another language from the English one: the line under the name is
# painted over with the background beside it and written anew in the same font, size and colour.
#   resources/about/make_translated.sh de "Fotos auf einmal umbenannt"
set -euo pipefail
cd "$(dirname "$0")"
language=$1
line=$2
strip=$(mktemp --suffix=.png)
trap 'rm -f "$strip"' EXIT
# The column right of the line holds nothing but the background's gradient.
convert kestrelmark.gif -crop 1x18+237+71 +repage -scale '154x18!' "$strip"
convert kestrelmark.gif "$strip" -geometry +83+71 -composite \
    -font DejaVu-Sans -pointsize 9 -fill '#768191' -annotate +86+84 "$line" \
    -colors 256 "kestrelmark_$language.gif"
