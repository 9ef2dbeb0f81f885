#!/usr/bin/env bash
# Smoke test: starts the real program under Xvfb, finds its main window " 四杆机构", saves a screenshot
# of the screen and checks that it shows more than one colour. Usage: smoke_xvfb.sh <fourbar binary>
set -euo pipefail
binary="$1"

# The X keyboard library calls strndup with a bound beyond its buffer, which is legal: strict string
# checks would report it as an overflow inside a system library before the window opens.
if [ -n "${ASAN_OPTIONS:-}" ]; then
    export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
fi

work="$(mktemp -d)"
server_pid=""
program_pid=""
stop_process() {
    if [ -n "$1" ]; then
        kill "$1" 2>/dev/null || true
        wait "$1" 2>/dev/null || true
    fi
}
cleanup() {
    stop_process "$program_pid"
    stop_process "$server_pid"
    rm -rf "$work"
}
trap cleanup EXIT

# Starts a private X server and waits until a client can reach it. The server picks a free display
# itself (-displayfd) and accepts only our cookie, so that a client never talks to another job's
# server; the caller retries with a fresh server when one dies or cannot be reached. Without
# -noreset the server resets itself whenever its last client leaves, so the program, connecting
# right after xdpyinfo has left, could meet a server in the middle of its reset and be refused.
start_server() {
    stop_process "$server_pid"
    server_pid=""
    local cookie
    cookie="$(mcookie)"
    rm -f "$work/server.auth" "$work/client.auth" "$work/display"
    # The server loads every cookie in its file whatever display it names.
    XAUTHORITY="$work/server.auth" xauth -q add :0 . "$cookie" 2>>"$work/server.log"
    Xvfb -displayfd 3 -nolisten tcp -noreset -auth "$work/server.auth" -screen 0 1024x768x24 \
        3>"$work/display" >>"$work/server.log" 2>&1 &
    server_pid=$!
    for _ in $(seq 1 100); do
        if ! kill -0 "$server_pid" 2>/dev/null; then
            return 1
        fi
        if [ -n "$(tr -dc '0-9' <"$work/display")" ]; then
            break
        fi
        sleep 0.1
    done
    export DISPLAY=":$(tr -dc '0-9' <"$work/display")"
    export XAUTHORITY="$work/client.auth"
    [ "$DISPLAY" != ":" ] || return 1
    xauth -q add "$DISPLAY" . "$cookie" 2>>"$work/server.log"
    for _ in $(seq 1 100); do
        if ! kill -0 "$server_pid" 2>/dev/null; then
            return 1
        fi
        if xdpyinfo >/dev/null 2>&1; then
            return 0
        fi
        sleep 0.1
    done
    return 1
}

# Starts the program on a reachable server and waits for its main window. Returns 0 when the window
# is up, 2 when the server went away under the program, 1 on a fault of the program.
run_program() {
    stop_process "$program_pid"
    program_pid=""
    QT_QPA_PLATFORM=xcb "$binary" >"$work/out.log" 2>&1 &
    program_pid=$!
    for _ in $(seq 1 100); do
        if ! kill -0 "$program_pid" 2>/dev/null; then
            wait "$program_pid" 2>/dev/null || true
            program_pid=""
            if ! xdpyinfo >/dev/null 2>&1; then
                return 2
            fi
            echo "the program ended early:" >&2
            cat "$work/out.log" >&2
            return 1
        fi
        if xwininfo -root -tree 2>/dev/null | grep -q '" 四杆机构"'; then
            return 0
        fi
        sleep 0.1
    done
    echo "no window \" 四杆机构\" appeared" >&2
    cat "$work/out.log" >&2
    return 1
}

started=""
for attempt in 1 2 3; do
    if ! start_server; then
        echo "attempt $attempt: the X server could not be started or reached" >&2
        continue
    fi
    status=0
    run_program || status=$?
    if [ "$status" -eq 0 ]; then
        started=1
        break
    fi
    if [ "$status" -eq 1 ]; then
        exit 1
    fi
    echo "attempt $attempt: the X server $DISPLAY went away under the program" >&2
done
if [ -z "$started" ]; then
    echo "no usable X server after three attempts; its log:" >&2
    cat "$work/server.log" >&2
    exit 1
fi

# The first paint can take seconds on a loaded machine or under the sanitizers: poll for it.
colours=1
for _ in $(seq 1 60); do
    sleep 0.5
    import -window root "$work/screen.png"
    colours="$(convert "$work/screen.png" -format '%k' info:)"
    if [ "$colours" -gt 1 ]; then
        break
    fi
done
echo "window found on $DISPLAY; screenshot has $colours colours"
if [ "$colours" -le 1 ]; then
    echo "the screenshot is blank" >&2
    exit 1
fi
