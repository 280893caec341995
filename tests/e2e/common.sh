# SPDX-License-Identifier: MIT
# Shared by the end-to-end scripts: failing, skipping and bounded waiting.

fail() {
    echo "FAIL: $*" >&2
    exit 1
}

skip() {
    echo "SKIP: $*" >&2
    exit 77
}

# wait_until SECONDS COMMAND...: runs COMMAND every tenth of a second until it succeeds; false when
# it has not succeeded within SECONDS.
wait_until() {
    local deadline=$((SECONDS + $1))
    shift
    until "$@"; do
        [ "$SECONDS" -lt "$deadline" ] || return 1
        sleep 0.1
    done
}

# stop_process PID: asks the process to end, then kills it when it has not ended within 3 seconds.
stop_process() {
    local pid=$1
    kill -0 "$pid" 2>/dev/null || return 0
    kill -TERM "$pid" 2>/dev/null
    wait_until 3 process_gone "$pid" || kill -KILL "$pid" 2>/dev/null
    wait "$pid" 2>/dev/null
    return 0
}

process_gone() {
    ! kill -0 "$1" 2>/dev/null
}
