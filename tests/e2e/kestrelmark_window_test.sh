#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Runs a copy of the real program in a private X server and drives it as a user would: the settings
# file beside the copy is restored at start, Rename and Undo move the files on disk (bytes intact),
# a collision is refused, and Exit writes the settings file back.
# usage: kestrelmark_window_test.sh <kestrelmark executable> [--window-manager]
# With --window-manager the same runs under openbox, as on a real desktop.
set -uo pipefail
# shellcheck source-path=SCRIPTDIR

here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"
source "$here/x_server.sh"
source "$here/window_driver.sh"
source "$here/folder_state.sh"

executable=${1:?usage: $0 <kestrelmark executable>}
[ -x "$executable" ] || fail "no executable at $executable"
command -v xdotool >/dev/null || fail "xdotool is missing (./build.sh installs it)"

# In memory where there is room: creating the 100,000 files of the large folder on a disk takes
# many times longer.
work=$(mktemp -d -p /dev/shm 2>/dev/null || mktemp -d)
work=$(cd -P "$work" && pwd)
program_pid=""
WINDOW_MANAGER=""
window_manager_pid=""
program_log=""

cleanup() {
    [ -n "$program_pid" ] && stop_process "$program_pid"
    [ -n "$window_manager_pid" ] && stop_process "$window_manager_pid"
    stop_x_server
    rm -rf "$work"
}
trap 'exit 130' INT
trap 'exit 143' TERM

# Shows what the program and the X server said when a check fails.
report_logs() {
    local status=$?
    [ "$status" -eq 0 ] || [ "$status" -eq 77 ] || {
        [ -n "$program_log" ] && [ -s "$program_log" ] && sed 's/^/program: /' "$program_log" >&2
        [ -s "$work/xvfb.log" ] && sed 's/^/Xvfb: /' "$work/xvfb.log" >&2
    }
    cleanup
}
trap report_logs EXIT

# Optional pictures of the screen for whoever debugs this test.
screenshot() {
    [ -n "${KESTRELMARK_E2E_SCREENSHOTS:-}" ] || return 0
    mkdir -p "$KESTRELMARK_E2E_SCREENSHOTS"
    import -window root "$KESTRELMARK_E2E_SCREENSHOTS/$1.png"
}

# settings_file PATH LINE...: the lines, each ended by CR LF.
settings_file() {
    local path=$1
    shift
    printf '%s\r\n' "$@" >"$path"
}

# install_program FOLDER: a new program folder holding a copy of the executable.
install_program() {
    mkdir -p "$1" || fail "could not create $1"
    cp "$executable" "$1/kestrelmark" || fail "could not copy the program to $1"
    # The translations the build put beside the program, where the copy looks for them too.
    cp -r "$(dirname "$executable")/translations" "$1/" || fail "could not copy the translations"
}

within_one() {
    [ $(($1 - $2)) -le 1 ] && [ $(($2 - $1)) -le 1 ]
}

window_shown_or_ended() {
    window_shown "$1" || process_gone "$program_pid"
}

# launch_program FOLDER: starts the copy in FOLDER, with a home of its own that keeps the user's
# configuration and data folders out of reach, in English unless PROGRAM_LANGUAGE names a locale.
launch_program() {
    local folder=$1
    program_log="$folder/output.log"
    mkdir -p "$work/home" "$work/runtime"
    chmod 700 "$work/runtime"
    env -u QT_SCALE_FACTOR -u QT_SCREEN_SCALE_FACTORS -u XDG_CONFIG_HOME -u XDG_DATA_HOME \
        -u LC_ALL -u LC_MESSAGES -u LANGUAGE LANG="${PROGRAM_LANGUAGE:-C.UTF-8}" \
        HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" QT_QPA_PLATFORM=xcb \
        ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
        "$folder/kestrelmark" >"$program_log" 2>&1 &
    program_pid=$!
}

# frame_centred LEFT RIGHT TOP BOTTOM: the main window with a frame of these widths around it is
# centred on the screen; FRAME_X and FRAME_Y tell where the frame is.
frame_centred() {
    local screen_width screen_height
    read -r screen_width screen_height < <(xdotool getdisplaygeometry)
    main_window_origin
    FRAME_X=$((WINDOW_X - $1))
    FRAME_Y=$((WINDOW_Y - $3))
    within_one "$FRAME_X" $(((screen_width - 777 - $1 - $2) / 2)) &&
        within_one "$FRAME_Y" $(((screen_height - 462 - $3 - $4) / 2))
}

# expect_main_window_centred: the whole window, the window manager's frame included, is centred.
expect_main_window_centred() {
    local extents=(0 0 0 0)
    if [ -n "$WINDOW_MANAGER" ]; then
        wait_until 10 frame_extents_known || fail "the window manager did not frame the window"
        IFS=', ' read -r -a extents < <(xprop -id "$(visible_window Kestrelmark)" \
            _NET_FRAME_EXTENTS | sed 's/.*= //')
        # The program centres the window again once it knows its frame, but not before start-up
        # has listed the folder: on a busy machine that can be long after the frame is known.
        wait_until 5 frame_centred "${extents[@]}"
    fi
    frame_centred "${extents[@]}" ||
        fail "the main window's frame is at $FRAME_X,$FRAME_Y, not centred"
}

frame_extents_known() {
    xprop -id "$(visible_window Kestrelmark)" _NET_FRAME_EXTENTS 2>/dev/null | grep -q '='
}

# start_program FOLDER: starts the copy in FOLDER and waits for its main window.
start_program() {
    launch_program "$1"
    wait_until 30 window_shown_or_ended Kestrelmark ||
        fail "the main window did not appear (windows: $(visible_titles))"
    process_gone "$program_pid" && fail "the program ended before showing its main window"
    expect_main_window_centred
}

# exit_program [SECONDS]: presses Exit and expects the program to end normally within SECONDS.
exit_program() {
    press_button Exit
    wait_until "${1:-10}" process_gone "$program_pid" || fail "the program did not end after Exit"
    wait "$program_pid"
    local status=$?
    program_pid=""
    [ "$status" -eq 0 ] || fail "the program ended with status $status after Exit"
}

# expect_settings PATH LINE...: the file holds exactly these lines, each ended by CR LF.
expect_settings() {
    local path=$1
    shift
    cmp -s "$path" <(printf '%s\r\n' "$@") || {
        echo "expected:" >&2
        printf '%s\r\n' "$@" | od -c >&2
        echo "written:" >&2
        od -c "$path" >&2
        fail "the settings file is not the nine lines expected"
    }
}

# A folder renamed along a chain (each new name is the old name of the next file), with only the
# ticked types renamed, and the rename undone. Settings: JPEG and GIF ticked, Bitmap not, preview
# on, prefix "snap_" (the built-in default is "foto_"), start 1, 3 digits, Rename All.
test_chain_rename_and_undo() {
    local program="$work/chain/program" photos="$work/chain/photos" before after
    install_program "$program"
    mkdir -p "$photos"
    for name in snap_000.jpg snap_001.jpg snap_002.jpg snap_003.gif keep.bmp notes.txt .hidden.jpg; do
        head -c $((1000 + RANDOM)) /dev/urandom >"$photos/$name"
    done
    local settings=("$photos" snap_ 1 3 1 0 1 1 Y)
    settings_file "$program/Kestrelmark.cfg" "${settings[@]}"
    touch -d '2001-01-01' "$program/Kestrelmark.cfg"
    before=$(folder_state "$photos")

    start_program "$program"
    screenshot chain-started
    press_button Rename
    screenshot chain-confirm
    answer_message_box "Rename Images"
    after=$(renamed_state "$before" snap_000.jpg=snap_001.jpg snap_001.jpg=snap_002.jpg \
        snap_002.jpg=snap_003.jpg snap_003.gif=snap_004.gif)
    wait_until 10 state_is "$photos" "$after"
    expect_state "$photos" "$after" "Rename did not move the ticked photos along the chain"

    press_button Undo
    answer_message_box "Undo Rename"
    wait_until 10 state_is "$photos" "$before"
    expect_state "$photos" "$before" "Undo did not give the photos their names back"
    screenshot chain-undone

    exit_program
    expect_settings "$program/Kestrelmark.cfg" "${settings[@]}"
    [ "$(stat -c %Y "$program/Kestrelmark.cfg")" -gt "$(date -d 2002-01-01 +%s)" ] ||
        fail "Exit did not write the settings file"
    echo "ok: settings restored, chain renamed with bytes intact, undone, settings written"
}

# Rename Selected Only: the scan selects the first row, a.jpg, whose new name foto_001.jpg is taken
# by foto_001.JPG, which keeps its name. The rename is refused and nothing moves.
test_collision_refused() {
    local program="$work/collision/program" photos="$work/collision/photos" before
    install_program "$program"
    mkdir -p "$photos"
    head -c 1500 /dev/urandom >"$photos/a.jpg"
    head -c 1700 /dev/urandom >"$photos/foto_001.JPG"
    settings_file "$program/Kestrelmark.cfg" "$photos" foto_ 1 3 1 0 0 0 N
    before=$(folder_state "$photos")

    start_program "$program"
    press_button Rename
    wait_until 10 window_shown "Duplicates found" ||
        fail "no \"Duplicates found\" warning (windows: $(visible_titles))"
    screenshot collision-warning
    answer_message_box "Duplicates found"
    ! wait_until 1 window_shown "Rename Images" || fail "the rename went on after the warning"
    expect_state "$photos" "$before" "a refused rename moved files"

    type_prefix pic_
    exit_program
    expect_settings "$program/Kestrelmark.cfg" "$photos" pic_ 1 3 1 0 0 0 N
    echo "ok: collision refused with nothing moved, typed prefix written on Exit"
}

# With the system language German, the refusal and the question are German, and the rename works
# as in English once the clashing file is gone.
test_german_window() {
    local program="$work/german/program" photos="$work/german/photos" before after
    install_program "$program"
    mkdir -p "$photos"
    head -c 1500 /dev/urandom >"$photos/a.jpg"
    head -c 1700 /dev/urandom >"$photos/foto_001.JPG"
    settings_file "$program/Kestrelmark.cfg" "$photos" foto_ 1 3 1 0 0 0 N
    before=$(folder_state "$photos")

    PROGRAM_LANGUAGE=de_DE.UTF-8 start_program "$program"
    screenshot german-started
    press_button Rename
    wait_until 10 window_shown "Doppelte Namen gefunden" ||
        fail "no German refusal (windows: $(visible_titles))"
    screenshot german-refusal
    answer_message_box "Doppelte Namen gefunden"
    expect_state "$photos" "$before" "a refused rename moved files"

    exit_program

    rm "$photos/foto_001.JPG"
    before=$(folder_state "$photos")
    PROGRAM_LANGUAGE=de_DE.UTF-8 start_program "$program"
    press_button Rename
    wait_until 10 window_shown "Bilder umbenennen" ||
        fail "no German question (windows: $(visible_titles))"
    screenshot german-question
    answer_message_box "Bilder umbenennen"
    after=$(renamed_state "$before" a.jpg=foto_001.jpg)
    wait_until 10 state_is "$photos" "$after"
    expect_state "$photos" "$after" "the German window did not rename"
    exit_program
    echo "ok: German refusal and question, rename done"
}

# The folder tree has the keyboard at start: Enter and Space there do nothing, while on a button
# they would press it.
test_first_control_has_the_focus() {
    local program="$work/focus/program" photos="$work/focus/photos"
    install_program "$program"
    mkdir -p "$photos"
    settings_file "$program/Kestrelmark.cfg" "$photos" foto_ 1 3 1 0 0 0 Y
    start_program "$program"
    xdotool windowactivate --sync "$(visible_window Kestrelmark)" 2>/dev/null ||
        xdotool windowfocus --sync "$(visible_window Kestrelmark)"
    xdotool key Return space
    ! wait_until 1 process_gone "$program_pid" || fail "Enter or Space at start ended the program"
    window_shown Kestrelmark || fail "Enter or Space at start closed the main window"
    exit_program
    echo "ok: the folder tree has the focus at start"
}

# Exit clicked while start-up still scans a folder of 100,000 photos ends the program.
test_exit_during_startup_scan() {
    local program="$work/large/program" photos="$work/large/photos"
    install_program "$program"
    mkdir -p "$photos"
    (cd "$photos" && seq -f 'IMG_%06g.jpg' 1 100000 | xargs touch)
    settings_file "$program/Kestrelmark.cfg" "$photos" foto_ 1 6 1 0 0 1 Y
    launch_program "$program"
    wait_until 60 window_shown_or_ended Kestrelmark ||
        fail "the main window did not appear (windows: $(visible_titles))"
    # A window manager frames the window and it moves once more to stay centred; a click must not
    # fall between the two positions.
    if [ -n "$WINDOW_MANAGER" ]; then
        wait_until 10 frame_extents_known || fail "the window manager did not frame the window"
        sleep 0.2
    fi
    # The window moves to its centred place once the scan has ended; a click that fell between
    # the two positions missed the button, and the user clicks again.
    local attempt
    for attempt in 1 2 3; do
        press_button Exit
        wait_until 20 process_gone "$program_pid" && break
    done
    process_gone "$program_pid" || fail "the program did not end after Exit"
    echo "ok: Exit during the start-up scan ends the program"
}

# write_journal FOLDER OLD NEW [INODE]: a batch OLD -> NEW in FOLDER cut short after its first
# pass, as the journal in the user's data folder records it; INODE is the file's inode number.
write_journal() {
    local journals="$work/home/.local/share/Kestrelmark"
    mkdir -p "$journals"
    printf 'KESTRELMARK-JOURNAL\t1\nkind\trename\nfolder\t%s/\ncount\t1\nmove\t%s\t%s\t%s\nend\n' \
        "$1" "${4:-0}" "$2" "$3" >"$journals/batch-0-e2e.journal"
}

journal_left() {
    [ -e "$work/home/.local/share/Kestrelmark/batch-0-e2e.journal" ]
}

journal_gone() {
    ! journal_left
}

# A batch cut short on a memory card that was then unplugged: closing the question without an
# answer (Escape does nothing, then the close box) keeps the journal, and once the card is back the
# batch can be finished.
test_unanswered_recovery_keeps_the_journal() {
    local program="$work/card/program" photos="$work/card/photos" id
    install_program "$program"
    settings_file "$program/Kestrelmark.cfg" "$work/card" foto_ 1 3 1 0 0 0 Y
    write_journal "$photos" IMG_1.jpg foto_001.jpg
    launch_program "$program"
    wait_until 30 window_shown "Interrupted Rename" || fail "no question about the interrupted batch"
    id=$(visible_window "Interrupted Rename")
    xdotool windowactivate --sync "$id" 2>/dev/null || xdotool windowfocus --sync "$id"
    xdotool key Escape
    ! wait_until 1 window_gone "Interrupted Rename" || fail "Escape closed the question"
    xdotool key alt+F4
    wait_until 10 window_gone "Interrupted Rename" || fail "the close box did not close the question"
    wait_until 30 window_shown Kestrelmark || fail "the main window did not appear"
    journal_left || fail "a question closed without an answer removed the journal"
    exit_program

    mkdir -p "$photos"
    head -c 1234 /dev/urandom >"$photos/_KM_foto_001.jpg"
    # The card's file is the one the batch was taken of.
    write_journal "$photos" IMG_1.jpg foto_001.jpg "$(stat -c %i "$photos/_KM_foto_001.jpg")"
    local after
    after=$(renamed_state "$(folder_state "$photos")" _KM_foto_001.jpg=foto_001.jpg)
    launch_program "$program"
    answer_message_box "Interrupted Rename"
    wait_until 10 state_is "$photos" "$after"
    expect_state "$photos" "$after" "Yes did not finish the batch once the card was back"
    # The journal goes once the folder is synced, just after the last file has its name.
    wait_until 10 journal_gone || fail "the finished batch left its journal"
    wait_until 30 window_shown Kestrelmark || fail "the main window did not appear"
    exit_program
    echo "ok: an unanswered question kept the journal; the batch was finished later"
}

# A pipe and a link to /dev/zero where journals were, and a listed photo that became a pipe:
# opening a pipe waits for a writer for good and /dev/zero never ends. Both journals are set
# aside with a message, the window comes up, the pipe's preview is drawn when its row is clicked,
# and Exit still ends the program.
test_special_files_never_block() {
    local program="$work/special/program" photos="$work/special/photos"
    local journals="$work/home/.local/share/Kestrelmark" message
    install_program "$program"
    mkdir -p "$photos" "$journals"
    head -c 1500 /dev/urandom >"$photos/a.jpg"
    head -c 1500 /dev/urandom >"$photos/b.jpg"
    mkfifo "$journals/batch-1-pipe.journal"
    ln -s /dev/zero "$journals/batch-2-zero.journal"
    settings_file "$program/Kestrelmark.cfg" "$photos" foto_ 1 3 1 0 0 1 Y
    launch_program "$program"
    for message in first second; do
        wait_until 10 window_shown "Interrupted Rename" || fail "no $message damaged journal message"
        [ "$message" = first ] && screenshot special-journal
        close_window "$(visible_window "Interrupted Rename")"
    done
    wait_until 30 window_shown Kestrelmark || fail "the main window did not appear"
    [ "$(find "$journals" -maxdepth 1 -name '*.damaged-*' | wc -l)" -eq 2 ] ||
        fail "the journals were not set aside: $(ls "$journals")"
    rm "$photos/b.jpg"
    mkfifo "$photos/b.jpg"
    click_in_main_window "$SECOND_ROW_X" "$SECOND_ROW_Y"
    screenshot special-files
    exit_program
    [ -p "$photos/b.jpg" ] || fail "the pipe among the photos is gone"
    rm -rf "$journals"
    echo "ok: pipes and /dev/zero as journals and photos never block the window"
}

# start_window_manager: openbox on the private X server; WINDOW_MANAGER names it once it runs.
window_manager_running() {
    xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'
}
start_window_manager() {
    command -v openbox >/dev/null || skip "openbox is missing (./build.sh installs it)"
    openbox --sm-disable >>"$work/openbox.log" 2>&1 &
    window_manager_pid=$!
    wait_until 10 window_manager_running || fail "openbox did not start"
    WINDOW_MANAGER=openbox
}

start_x_server "$work/xvfb.log" || skip "no X server could be started (Xvfb)"
echo "X server on $DISPLAY"
if [ "${2:-}" = "--window-manager" ]; then
    start_window_manager
    echo "window manager: $WINDOW_MANAGER"
fi
test_chain_rename_and_undo
test_collision_refused
test_german_window
test_first_control_has_the_focus
test_exit_during_startup_scan
[ -z "$WINDOW_MANAGER" ] && test_special_files_never_block
[ -n "$WINDOW_MANAGER" ] && test_unanswered_recovery_keeps_the_journal
exit 0
