# SPDX-License-Identifier: MIT
# A private X server for the end-to-end test: Xvfb on the first free display from :90 upwards.
# Sets DISPLAY and X_SERVER_PID; stop it with stop_x_server.

X_SERVER_PID=""

# The display is ours once the server has written its own process id into the display's lock file.
x_server_owns() {
    local display=$1
    kill -0 "$X_SERVER_PID" 2>/dev/null || return 1
    [ -S "/tmp/.X11-unix/X$display" ] || return 1
    [ "$(tr -d ' \n' <"/tmp/.X$display-lock" 2>/dev/null)" = "$X_SERVER_PID" ]
}

# start_x_server LOG_FILE: true once a server answers; false when no display from :90 to :99 works.
start_x_server() {
    local log=$1 display
    command -v Xvfb >/dev/null || return 1
    for display in $(seq 90 99); do
        [ -e "/tmp/.X$display-lock" ] && continue
        [ -e "/tmp/.X11-unix/X$display" ] && continue
        # Without -noreset the server resets whenever its last client leaves, and a program that
        # connects during the reset fails to start.
        Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp -noreset >>"$log" 2>&1 &
        X_SERVER_PID=$!
        if wait_until 10 x_server_owns "$display" &&
            DISPLAY=":$display" xdotool getdisplaygeometry >/dev/null 2>&1; then
            export DISPLAY=":$display"
            return 0
        fi
        stop_process "$X_SERVER_PID"
        X_SERVER_PID=""
    done
    return 1
}

stop_x_server() {
    [ -n "$X_SERVER_PID" ] && stop_process "$X_SERVER_PID"
    X_SERVER_PID=""
}
