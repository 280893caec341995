#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a temporary prefix and checks that the program arrives as a desktop
# program: the executable, a menu entry that names it and its icon, and the icon at every size.
# usage: install_test.sh <build folder>
set -uo pipefail
# shellcheck source-path=SCRIPTDIR

here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"

build=${1:?usage: $0 <build folder>}
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >"$prefix.log" 2>&1 || {
    cat "$prefix.log" >&2
    rm -f "$prefix.log"
    fail "cmake --install failed"
}
rm -f "$prefix.log"

[ -x "$prefix/bin/kestrelmark" ] || fail "no executable bin/kestrelmark"

entry="$prefix/share/applications/kestrelmark.desktop"
[ -f "$entry" ] || fail "no menu entry share/applications/kestrelmark.desktop"

# desktop_key KEY: the value of KEY in the entry's [Desktop Entry] group.
desktop_key() {
    sed -n '/^\[Desktop Entry\]/,/^\[/p' "$entry" | sed -n "s/^$1=//p" | head -n 1
}
exec_name=$(desktop_key Exec)
[ -x "$prefix/bin/${exec_name%% *}" ] || fail "the entry starts \"$exec_name\", which is not installed"
icon_name=$(desktop_key Icon)

# png_size FILE: width and height from the PNG header.
png_size() {
    local header
    header=$(od -An -tx1 -j16 -N8 "$1" | tr -d ' \n')
    [ "$(head -c 8 "$1" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || return 1
    printf '%dx%d\n' "0x${header:0:8}" "0x${header:8:8}"
}

for size in 16x16 32x32 48x48 128x128; do
    icon="$prefix/share/icons/hicolor/$size/apps/$icon_name.png"
    [ -f "$icon" ] || fail "no icon $size/apps/$icon_name.png for the entry's Icon=$icon_name"
    actual=$(png_size "$icon") || fail "$size/apps/$icon_name.png is not a PNG picture"
    [ "$actual" = "$size" ] || fail "$size/apps/$icon_name.png is $actual pixels"
done
echo "ok: executable, menu entry and icons installed"

if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$entry" || fail "desktop-file-validate refuses the menu entry"
    echo "ok: desktop-file-validate accepts the menu entry"
else
    echo "desktop-file-validate is not installed: the menu entry's syntax is not checked"
fi
