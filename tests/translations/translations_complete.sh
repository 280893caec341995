#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Every text the program shows has its translation: lupdate, run over the sources into a copy of
# each .ts file, finds no text without one and none that the sources no longer have. Within each
# window the translated access letters (&) stay unique, as the English ones are.
# usage: translations_complete.sh <lupdate> <source folder> <ts file>...
set -euo pipefail

lupdate=$1
sources=$2
shift 2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

# The translations of one context whose controls share a window, one per line.
context_translations() {
    awk -v wanted="$2" '
        /<name>/ { gsub(/.*<name>|<\/name>.*/, ""); context = $0 }
        context == wanted && /<translation/ { gsub(/.*<translation[^>]*>|<\/translation>.*/, ""); print }
    ' "$1"
}

for ts in "$@"; do
    copy="$work/$(basename "$ts")"
    cp "$ts" "$copy"
    "$lupdate" -silent -locations none "$sources" -ts "$copy" >"$work/lupdate.log" 2>&1 || {
        cat "$work/lupdate.log" >&2
        exit 1
    }
    untranslated=$(grep -B3 'type="unfinished"' "$copy" | grep '<source>' || true)
    if [ -n "$untranslated" ]; then
        echo "$(basename "$ts"): texts without a translation:" >&2
        echo "$untranslated" >&2
        status=1
    fi
    stale=$(grep -B3 -E 'type="(vanished|obsolete)"' "$copy" | grep '<source>' || true)
    if [ -n "$stale" ]; then
        echo "$(basename "$ts"): translations of texts the program no longer has:" >&2
        echo "$stale" >&2
        status=1
    fi
    for window in MainFormWords km::PhotoListMenu km::EarlierRenamesDialog; do
        letters=$(context_translations "$copy" "$window" | sed 's/&amp;amp;//g' |
            grep -o '&amp;.' | cut -c6 | tr '[:upper:]' '[:lower:]' | sort)
        repeated=$(uniq -d <<<"$letters")
        if [ -n "$repeated" ]; then
            echo "$(basename "$ts"): $window uses the access letter(s) $repeated twice" >&2
            status=1
        fi
    done
done
[ "$status" -eq 0 ] && echo "ok: every text translated, access letters unique"
exit "$status"
