#!/usr/bin/env bash
# Smoke test: starts the real program under Xvfb, finds its main window " 四杆机构", saves a screenshot
# of the screen and checks that it shows more than one colour. Usage: smoke_xvfb.sh <fourbar binary>
set -euo pipefail
binary="$1"
if [ -z "${SMOKE_INSIDE_XVFB:-}" ]; then
    export SMOKE_INSIDE_XVFB=1
    exec xvfb-run -a -s "-screen 0 1024x768x24" bash "$0" "$@"
fi

# The X keyboard library calls strndup with a bound beyond its buffer, which is legal: strict string
# checks would report it as an overflow inside a system library before the window opens.
if [ -n "${ASAN_OPTIONS:-}" ]; then
    export ASAN_OPTIONS="$ASAN_OPTIONS:strict_string_checks=0"
fi

work="$(mktemp -d)"
QT_QPA_PLATFORM=xcb "$binary" >"$work/out.log" 2>&1 &
pid=$!
cleanup() {
    kill "$pid" 2>/dev/null || true
    wait "$pid" 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

found=""
for _ in $(seq 1 100); do
    if ! kill -0 "$pid" 2>/dev/null; then
        echo "the program ended early:" >&2
        cat "$work/out.log" >&2
        exit 1
    fi
    if xwininfo -root -tree | grep -q '" 四杆机构"'; then
        found=1
        break
    fi
    sleep 0.1
done
if [ -z "$found" ]; then
    echo "no window \" 四杆机构\" appeared" >&2
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
echo "window found; screenshot has $colours colours"
if [ "$colours" -le 1 ]; then
    echo "the screenshot is blank" >&2
    exit 1
fi
