# SPDX-License-Identifier: MIT
# A private X server for an end-to-end test: Xvfb on a display it picks itself, so that several
# tests run at once without two of them taking the same display.
# Sets DISPLAY and X_SERVER_PID; stop it with stop_x_server.

X_SERVER_PID=""

# Xvfb writes the display number it listens on, ended by a newline, once it accepts clients.
display_written() {
    grep -q '^[0-9][0-9]*$' "$1" 2>/dev/null || ! kill -0 "$X_SERVER_PID" 2>/dev/null
}

# start_x_server LOG_FILE: true once a server answers.
start_x_server() {
    local log=$1 display_file display
    command -v Xvfb >/dev/null || return 1
    display_file=$(mktemp) || return 1
    # Without -noreset the server resets whenever its last client leaves, and a program that
    # connects during the reset fails to start.
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$display_file" \
        >>"$log" 2>&1 &
    X_SERVER_PID=$!
    wait_until 10 display_written "$display_file"
    display=$(grep '^[0-9][0-9]*$' "$display_file")
    rm -f "$display_file"
    if [ -n "$display" ] && DISPLAY=":$display" xdotool getdisplaygeometry >/dev/null 2>&1; then
        export DISPLAY=":$display"
        return 0
    fi
    stop_x_server
    return 1
}

stop_x_server() {
    [ -n "$X_SERVER_PID" ] && stop_process "$X_SERVER_PID"
    X_SERVER_PID=""
}
