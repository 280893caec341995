# SPDX-License-Identifier: MIT
# Drives the program's windows through xdotool as a user would: the mouse on the main window's
# buttons, Enter on the message box. Positions are those of the windows' client areas, with or
# without a window manager's frame around them.

# Button centres in the main window's client area of 777 x 462 pixels.
declare -A BUTTON_X=([Rename]=735 [Undo]=674 [Exit]=41)
BUTTON_Y=444
# The photo list's second row.
SECOND_ROW_X=300
SECOND_ROW_Y=69
# The prefix text box.
PREFIX_X=400
PREFIX_Y=362

# visible_window TITLE: prints the id of the visible window of exactly that title.
visible_window() {
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1
}

window_shown() {
    [ -n "$(visible_window "$1")" ]
}

window_gone() {
    [ -z "$(visible_window "$1")" ]
}

visible_titles() {
    xdotool search --onlyvisible --name '.' getwindowname %@ 2>/dev/null | paste -sd ',' -
}

# main_window_origin: sets WINDOW_X and WINDOW_Y of the main window, checking its size.
main_window_origin() {
    local id WIDTH HEIGHT X Y
    id=$(visible_window Kestrelmark)
    [ -n "$id" ] || fail "the main window is not shown (windows: $(visible_titles))"
    # xwininfo, not xdotool, which counts a window manager's frame twice in the position.
    local info
    info=$(xwininfo -id "$id")
    X=$(sed -n 's/.*Absolute upper-left X: *//p' <<<"$info")
    Y=$(sed -n 's/.*Absolute upper-left Y: *//p' <<<"$info")
    WIDTH=$(sed -n 's/^ *Width: *//p' <<<"$info")
    HEIGHT=$(sed -n 's/^ *Height: *//p' <<<"$info")
    [ "$WIDTH" = 777 ] && [ "$HEIGHT" = 462 ] ||
        fail "the main window is ${WIDTH}x$HEIGHT, not 777x462: the click positions would miss"
    WINDOW_X=$X
    WINDOW_Y=$Y
}

pointer_at() {
    [ "$(xdotool getmouselocation --shell 2>/dev/null | sed -n 's/^[XY]=//p' | paste -sd ' ' -)" = "$1 $2" ]
}

# click_in_main_window X Y: a left click at a point of the main window's client area.
click_in_main_window() {
    main_window_origin
    local x=$((WINDOW_X + $1)) y=$((WINDOW_Y + $2))
    # Not "mousemove --sync": it waits for the pointer to move, which takes its 15 s time-out when
    # the pointer is already there (the same button clicked in the window before).
    xdotool mousemove "$x" "$y"
    wait_until 5 pointer_at "$x" "$y" || fail "the pointer did not move to $x,$y"
    xdotool click 1
}

# press_button NAME: Rename, Undo or Exit.
press_button() {
    click_in_main_window "${BUTTON_X[$1]}" "$BUTTON_Y"
}

# answer_message_box TITLE: waits for the message box, presses Enter on its first button and
# waits until it has closed.
answer_message_box() {
    local title=$1 id
    wait_until 10 window_shown "$title" ||
        fail "no message box \"$title\" appeared (windows: $(visible_titles))"
    id=$(visible_window "$title")
    xdotool windowfocus --sync "$id"
    xdotool key Return
    wait_until 10 window_gone "$title" || fail "the message box \"$title\" did not close on Enter"
}

window_id_gone() {
    ! xdotool search --onlyvisible --name . 2>/dev/null | grep -qx "$1"
}

# close_window ID: presses Enter in that window and waits until it has closed.
close_window() {
    xdotool windowfocus --sync "$1"
    xdotool key Return
    wait_until 10 window_id_gone "$1" || fail "the window $1 did not close on Enter"
}

# type_prefix TEXT: replaces the prefix text box's text by typing.
type_prefix() {
    click_in_main_window "$PREFIX_X" "$PREFIX_Y"
    xdotool key ctrl+a
    xdotool type --delay 20 "$1"
}
