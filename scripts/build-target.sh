#!/usr/bin/env bash
# Installs what is missing, builds one target, and prints the build directory it is in.
# Usage: bash scripts/build-target.sh run|test TARGET
#   run   the programs alone: the packages of `setup.sh run`, configured without the tests and
#         benchmarks, so neither GoogleTest nor Google Benchmark is needed
#   test  with the tests and benchmarks, after `setup.sh test`
# The programs alone are built in build/run, so that they never switch the tests off in the test
# build, build/default. BUILD_DIR=<dir> builds there instead.
set -euo pipefail
cd "$(dirname "$0")/.."
purpose="${1:-}"
target="${2:-}"

case "$purpose" in
    run) options=(-DBUILD_TESTING=OFF -DFOURBAR_BUILD_BENCH=OFF) ;;
    test) options=(-DBUILD_TESTING=ON -DFOURBAR_BUILD_BENCH=ON) ;;
    *) target="" ;;
esac
if [ -z "$target" ]; then
    echo "usage: bash scripts/build-target.sh run|test TARGET" >&2
    exit 2
fi

bash scripts/setup.sh "$purpose" >&2
if [ "$purpose" = run ] && [ -z "${BUILD_DIR:-}" ]; then
    BUILD_DIR=build/run
fi
if [ -n "${BUILD_DIR:-}" ]; then
    cmake -S . -B "$BUILD_DIR" -G Ninja -DCMAKE_BUILD_TYPE=Release "${options[@]}" >&2
    build="$BUILD_DIR"
else
    cmake --preset default "${options[@]}" >&2
    build=build/default
fi
cmake --build "$build" -j "$(nproc)" --target "$target" >&2
echo "$build"
