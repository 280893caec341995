#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs the build into a temporary prefix and checks that the program arrives as a desktop
# program: the executable, its manual page, a menu entry that names it and its icon, and the icon
# at every size. The installed copy keeps its settings in the user's configuration folder although
# it could write beside itself, as root can: neither --version nor a run (in a private X server,
# where one can be started) writes into the prefix. usage: install_test.sh <build folder>
set -uo pipefail
# shellcheck source-path=SCRIPTDIR

here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
source "$here/x_server.sh"
source "$here/window_driver.sh"

build=${1:?usage: $0 <build folder>}
work=$(mktemp -d)
prefix="$work/prefix"
home="$work/home"
mkdir -p "$prefix" "$home/runtime" && chmod 700 "$home/runtime"
program_pid=""
cleanup() {
    [ -n "$program_pid" ] && stop_process "$program_pid"
    stop_x_server
    rm -rf "$work"
}
trap cleanup EXIT

cmake --install "$build" --prefix "$prefix" >"$work/install.log" 2>&1 || {
    cat "$work/install.log" >&2
    fail "cmake --install failed"
}

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

manual="$prefix/share/man/man1/kestrelmark.1.gz"
gzip -t "$manual" 2>/dev/null || fail "no compressed manual page share/man/man1/kestrelmark.1.gz"
if command -v man >/dev/null; then
    page=$(MANWIDTH=80 man --warnings -l "$manual" 2>"$work/man.log") ||
        fail "man cannot show the manual page: $(cat "$work/man.log")"
    [ ! -s "$work/man.log" ] || fail "the manual page has faults: $(cat "$work/man.log")"
    grep -q 'kestrelmark - rename the photos' <<<"$page" || fail "the manual page names no program"
    echo "ok: manual page installed and shown by man"
else
    echo "man is not installed: the manual page is only checked to be compressed"
fi

# run_installed ARGUMENT...: the installed copy with a home of its own.
run_installed() {
    env -u XDG_CONFIG_HOME -u XDG_DATA_HOME -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS \
        HOME="$home" XDG_RUNTIME_DIR="$home/runtime" ASAN_OPTIONS=detect_leaks=0 \
        "$prefix/bin/kestrelmark" "$@"
}
# written_since BEFORE PATH...: what was created or removed under the paths since BEFORE was listed.
written_since() {
    diff <(echo "$1") <(shift && find "$@" | sort)
}

before=$(find "$prefix" "$home" | sort)
(unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM && run_installed --version >/dev/null) ||
    fail "the installed copy's --version failed"
written_since "$before" "$prefix" "$home" >/dev/null ||
    fail "--version wrote files: $(written_since "$before" "$prefix" "$home")"
echo "ok: --version writes nothing"

# The installed copy finds its translations in its data folder, and Qt's own (the "Usage:" line)
# with them; any other language keeps the English texts.
german=$(unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM LC_ALL LANGUAGE &&
    LANG=de_DE.UTF-8 run_installed --help) || fail "the installed copy's --help failed in German"
grep -q '^Aufruf: .*\[ORDNER\]' <<<"$german" && grep -q 'Benennt die Fotos eines Ordners' <<<"$german" ||
    fail "the installed copy does not speak German: $german"
english=$(unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM LC_ALL LANGUAGE &&
    LANG=fr_FR.UTF-8 run_installed --help) || fail "the installed copy's --help failed in French"
grep -q '^Usage: .*\[FOLDER\]' <<<"$english" || fail "a language without translation is not English: $english"
echo "ok: German where the system speaks it, English elsewhere"

if ! command -v xdotool >/dev/null || ! start_x_server "$work/xvfb.log"; then
    echo "no X server or xdotool: the installed copy's settings are not checked in a run"
    exit 0
fi
installed=$(find "$prefix" | sort)
QT_QPA_PLATFORM=xcb run_installed >"$work/program.log" 2>&1 &
program_pid=$!
wait_until 30 window_shown Kestrelmark ||
    fail "the main window did not appear: $(cat "$work/program.log")"
press_button Exit
wait_until 10 process_gone "$program_pid" || fail "the installed copy did not end after Exit"
program_pid=""
written_since "$installed" "$prefix" >/dev/null ||
    fail "a run wrote into the prefix: $(written_since "$installed" "$prefix")"
[ -f "$home/.config/Kestrelmark/Kestrelmark.cfg" ] ||
    fail "the installed copy kept no settings in ~/.config/Kestrelmark/"
echo "ok: the installed copy keeps its settings in ~/.config/Kestrelmark/"
