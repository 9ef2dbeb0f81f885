#!/usr/bin/env bash
# Start-up time (exec to the main window's first paint) and resident memory (crank-rocker executed,
# all four windows opened once) of the program, offscreen and under Xvfb.
# Usage: bash bench/startup.sh [runs]   (default 10 runs per platform)
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
    FOURBAR_STARTUP_PROBE="$(realpath "$build/bench/fourbar-startup-probe")"
fi
probe="$FOURBAR_STARTUP_PROBE"

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

measure() {
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
