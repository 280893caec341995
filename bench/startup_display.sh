#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Start-up on a folder of 100,000 photos as a person sees it: the real program in a private X
# server, timed from its start until the first row of the list is drawn selected on the screen.
# The scan's share is that time less a start on a one-photo folder (drawn the same way); it is
# reported against a bare `find FOLDER -maxdepth 1 | sort -V` of the big folder ("ratio", target
# at most 1.2), each figure the median of the runs.
# usage: startup_display.sh <kestrelmark executable> [RUNS]
#
# The screen is read where the X server keeps it, in an XWD file (Xvfb -fbdir): polling it costs
# the program and the server no request.
set -uo pipefail
# shellcheck source-path=SCRIPTDIR

here=$(cd "$(dirname "$0")" && pwd)
e2e="$here/../tests/e2e"
source "$e2e/common.sh"
source "$e2e/x_server.sh"
source "$e2e/window_driver.sh"

executable=${1:?usage: $0 <kestrelmark executable> [RUNS]}
runs=${2:-5}
[ -x "$executable" ] || fail "no executable at $executable"
command -v xdotool >/dev/null || fail "xdotool is missing (./build.sh installs it)"
readonly PHOTOS=100000

work=$(mktemp -d)
work=$(cd -P "$work" && pwd)
program_pid=""

cleanup() {
    [ -n "$program_pid" ] && stop_process "$program_pid"
    stop_x_server
    rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# The server that start_x_server starts keeps its screen in $work/screen/Xvfb_screen0. exec keeps
# the server's own process id, which start_x_server checks against the display's lock file.
mkdir -p "$work/screen"
Xvfb() {
    exec "$(type -P Xvfb)" "$@" -fbdir "$work/screen"
}

# pixel X Y: the colour of a screen pixel as 8 hex digits.
pixel() {
    od -An -tx4 --endian=little -j $((PIXELS_AT + $2 * LINE_BYTES + $1 * 4)) -N4 \
        "$work/screen/Xvfb_screen0" | tr -d ' '
}

# read_screen_layout: where the pixels start in the XWD file (after its header and colour map)
# and how long a line of them is.
read_screen_layout() {
    local -a header
    read -ra header < <(od -An -tu4 --endian=big -N80 -w80 "$work/screen/Xvfb_screen0")
    [ "${header[11]}" = 32 ] || fail "the screen is not 32 bits a pixel"
    PIXELS_AT=$((header[0] + header[19] * 12))
    LINE_BYTES=${header[12]}
}

# A wait of a hundredth of a second without starting a process.
exec {never}<> <(:)
pause() {
    read -r -t 0.01 -u "$never" _ || true
}

now() {
    echo "$EPOCHREALTIME"
}

# start_in FOLDER: starts the program on FOLDER, JPEG ticked and the preview off, with a home of its
# own that keeps the user's configuration and data folders out of reach.
start_in() {
    printf '%s\r\n' "$1" foto_ 1 6 1 0 0 0 Y >"$work/program/Kestrelmark.cfg"
    env -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS -u XDG_CONFIG_HOME -u XDG_DATA_HOME \
        HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb \
        "$work/program/kestrelmark" >>"$work/program.log" 2>&1 &
    program_pid=$!
}

# stop_program: ends it and waits until its window has left the screen.
stop_program() {
    stop_process "$program_pid"
    program_pid=""
    wait_until 10 first_row_not_selected || fail "the window stayed on the screen"
}

first_row_selected() {
    [ "$(pixel "$ROW_X" "$ROW_Y")" = "$SELECTED" ]
}

first_row_not_selected() {
    ! first_row_selected
}

first_row_differs_from_the_empty_list() {
    [ "$(pixel "$ROW_X" "$ROW_Y")" != "$(pixel "$ROW_X" "$EMPTY_Y")" ]
}

# calibrate: the one-photo start tells where the first row is drawn and in which colour when
# selected; the window is placed the same way at every start.
calibrate() {
    start_in "$work/one"
    wait_until 30 window_shown Kestrelmark || fail "the main window did not appear"
    main_window_origin
    read_screen_layout
    # Past the end of the first row's name, and lower down where the one-photo list is empty.
    ROW_X=$((WINDOW_X + 370))
    ROW_Y=$((WINDOW_Y + 50))
    EMPTY_Y=$((WINDOW_Y + 200))
    wait_until 10 first_row_differs_from_the_empty_list ||
        fail "the first row is never drawn selected at $ROW_X,$ROW_Y"
    sleep 0.5
    SELECTED=$(pixel "$ROW_X" "$ROW_Y")
    stop_program
}

# seconds_to_first_row FOLDER: prints the seconds from the start to the first row drawn selected.
seconds_to_first_row() {
    local begin end
    begin=$(now)
    start_in "$1"
    until first_row_selected; do
        process_gone "$program_pid" && fail "the program ended before drawing its list"
        pause
    done
    end=$(now)
    stop_program
    awk -v b="$begin" -v e="$end" 'BEGIN { printf "%.4f\n", e - b }'
}

listing_seconds() {
    local begin end
    begin=$(now)
    find "$1" -maxdepth 1 | sort -V >/dev/null
    end=$(now)
    awk -v b="$begin" -v e="$end" 'BEGIN { printf "%.4f\n", e - b }'
}

median() {
    sort -g | awk '{ v[NR] = $1 } END { print (NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2) }'
}

mkdir -p "$work/program" "$work/home" "$work/runtime" "$work/one" "$work/big"
chmod 700 "$work/runtime"
cp "$executable" "$work/program/kestrelmark" || fail "could not copy the program"
# The benchmarks' camera names: DSC_1.JPG ... with every third extension in lower case.
touch "$work/one/DSC_1.JPG"
(cd "$work/big" && seq 1 "$PHOTOS" | awk '{ printf "DSC_%d.%s\n", $1, ($1 % 3 ? "JPG" : "jpg") }' |
    xargs touch) || fail "could not make the photo folder"

start_x_server "$work/xvfb.log" || skip "no X server could be started (Xvfb on :90 to :99)"
calibrate

one=() big=() bare=()
for _ in $(seq "$runs"); do
    one+=("$(seconds_to_first_row "$work/one")")
    big+=("$(seconds_to_first_row "$work/big")")
    bare+=("$(listing_seconds "$work/big")")
done
one_s=$(printf '%s\n' "${one[@]}" | median)
big_s=$(printf '%s\n' "${big[@]}" | median)
bare_s=$(printf '%s\n' "${bare[@]}" | median)
awk -v one="$one_s" -v big="$big_s" -v bare="$bare_s" -v runs="$runs" -v photos="$PHOTOS" 'BEGIN {
    printf "startup_display (%d photos, median of %d runs): first row drawn selected %.0f ms, " \
        "one-photo start %.0f ms, scan %.0f ms, find | sort -V %.0f ms\n",
        photos, runs, 1000 * big, 1000 * one, 1000 * (big - one), 1000 * bare
    printf "startup_display: ratio %.2f (scan / find | sort -V, target at most 1.2), " \
        "%.2f x the one-photo start\n", (big - one) / bare, big / one
}'
