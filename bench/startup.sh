#!/usr/bin/env bash
# Start-up time (exec to the main window's first paint) and resident memory (crank-rocker executed,
# all four windows opened once) of the program, offscreen and under Xvfb; then the whole process's
# run time up to its event loop's first turn against a bare Qt window's, in alternating pairs.
# Usage: bash bench/startup.sh [runs]   (default 10 runs per platform, and 15 pairs)
# BUILD_DIR=<dir> builds in that directory instead of the default preset's. STARTUP_BOOST=0 keeps
# the normal scheduling priority (see below).
set -euo pipefail
cd "$(dirname "$0")/.."
script="bench/startup.sh"
# Internal: `--series PLATFORM RUNS` runs one series (inside xvfb-run) and prints the raw lines.
if [ "${1:-}" = --series ]; then
    platform="$2" runs="$3" probe="$FOURBAR_STARTUP_PROBE"
    QT_QPA_PLATFORM="$platform" "$probe" >/dev/null 2>&1 || true
    for ((i = 0; i < runs; i++)); do
        QT_QPA_PLATFORM="$platform" "$probe" 2>/dev/null
    done
    exit 0
fi
runs="${1:-10}"

if [ -z "${FOURBAR_STARTUP_PROBE:-}" ]; then
    build="$(bash scripts/build-target.sh test fourbar-startup-probe)"
    bash scripts/build-target.sh test fourbar >/dev/null
    bash scripts/build-target.sh test fourbar-bare-window >/dev/null
    bash scripts/build-target.sh test fourbar-quit-at-first-turn >/dev/null
    FOURBAR_STARTUP_PROBE="$(realpath "$build/bench/fourbar-startup-probe")"
    export FOURBAR_STARTUP_BUILD="$(realpath "$build")"
fi
probe="$FOURBAR_STARTUP_PROBE"
build="${FOURBAR_STARTUP_BUILD:-$(dirname "$(dirname "$probe")")}"

# One series is a discarded warm-up run (page cache, font caches), then `runs` measured runs, each
# a line of key=value figures from the probe.
series() {
    FOURBAR_STARTUP_PROBE="$probe" bash "$script" --series "$1" "$runs"
}

# Median and range of each figure over the runs.
summarise() {
    awk -v title="$1" '
        { for (f = 1; f <= NF; f++) { split($f, kv, "="); if (kv[2] ~ /^[0-9.]+$/) {
              key[f] = kv[1]; v[kv[1], NR] = kv[2] + 0 } } }
        END {
            if (NR == 0) { print title ": no run succeeded"; exit 1 }
            printf "%s (%d runs): median [min .. max]\n", title, NR
            for (f = 1; f in key; f++) {
                k = key[f]; n = 0
                for (r = 1; r <= NR; r++) a[++n] = v[k, r]
                for (i = 2; i <= n; i++) {
                    x = a[i]; j = i - 1
                    while (j >= 1 && a[j] > x) { a[j + 1] = a[j]; j-- }
                    a[j + 1] = x
                }
                med = (n % 2) ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
                printf "  %-16s %8.1f  [%.1f .. %.1f]\n", k, med, a[1], a[n]
                delete a
            }
        }'
}

# Microseconds from the start to the end of one offscreen run of `$1`, whose event loop ends at its
# first turn.
whole_run_us() {
    local start end
    start=$(date +%s%N)
    LD_PRELOAD="$build/bench/libfourbar-quit-at-first-turn.so" QT_QPA_PLATFORM=offscreen "$1" \
        >/dev/null 2>&1
    end=$(date +%s%N)
    echo $(((end - start) / 1000))
}

# The program against the bare window, in alternating pairs after one warm-up run of each: their
# medians and the ratio (the goal is 1.10 or less).
compare_with_bare_window() {
    local pairs="${1:-15}" program="$build/app/fourbar" bare="$build/bench/fourbar-bare-window"
    whole_run_us "$program" >/dev/null
    whole_run_us "$bare" >/dev/null
    for ((i = 0; i < pairs; i++)); do
        echo "program $(whole_run_us "$program")"
        echo "bare $(whole_run_us "$bare")"
    done | awk -v pairs="$pairs" '
        { v[$1, ++n[$1]] = $2 }
        function median(k,   i, j, x, a) {
            for (i = 1; i <= n[k]; i++) a[i] = v[k, i]
            for (i = 2; i <= n[k]; i++) { x = a[i]; j = i - 1
                while (j >= 1 && a[j] > x) { a[j + 1] = a[j]; j-- } a[j + 1] = x }
            return (n[k] % 2) ? a[(n[k] + 1) / 2] : (a[n[k] / 2] + a[n[k] / 2 + 1]) / 2
        }
        END {
            p = median("program") / 1000; b = median("bare") / 1000
            printf "whole process to the first turn of the event loop, offscreen (%d pairs):\n", pairs
            printf "  program %.1f ms, bare window %.1f ms, ratio %.2f (goal 1.10)\n", p, b, p / b
        }'
}

measure() {
    compare_with_bare_window 15
    series offscreen | summarise "offscreen"
    if command -v xvfb-run >/dev/null; then
        # One X server for the whole series; its own start is not part of the program's start-up.
        # Without -noreset the server resets itself after every run, while the next run loads.
        FOURBAR_STARTUP_PROBE="$probe" xvfb-run -a -s "-screen 0 1280x1024x24 -noreset" \
            bash "$script" --series xcb "$runs" | summarise "Xvfb (xcb)"
    else
        echo "Xvfb (xcb): xvfb-run is not installed"
    fi
}

# Other work on the machine (parallel builds) can stretch the wall-clock figures several times over;
# cpu_ms, the probe's own CPU time up to the first paint, is the figure such load barely touches.
# As root the series run in a session of their own whose scheduling group gets the highest
# priority, so that the wall-clock figures come close to those of an idle machine.
if [ "${STARTUP_BOOST:-1}" != 0 ] && [ "$(id -u)" -eq 0 ] && [ -e /proc/self/autogroup ] &&
    [ -z "${FOURBAR_STARTUP_BOOSTED:-}" ]; then
    export FOURBAR_STARTUP_BOOSTED=1 FOURBAR_STARTUP_PROBE="$probe"
    exec setsid bash -c 'echo -20 >"/proc/$$/autogroup" && exec nice -n -20 bash "$0" "$1"' \
        "$script" "$runs"
fi
[ -n "${FOURBAR_STARTUP_BOOSTED:-}" ] && echo "priority: own scheduling group at nice -20"
echo "start-up: exec to the main window's first paint; goal 150 ms. RSS goal 60 MB."
measure
