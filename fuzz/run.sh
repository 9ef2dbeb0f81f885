#!/usr/bin/env bash
# Builds the core fuzz target with clang's libFuzzer and runs it: `bash fuzz/run.sh [seconds]`.
# Needs clang and libclang-rt-dev from Debian. Findings are written to fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-600}"

out=build/fuzz
mkdir -p "$out" fuzz/corpus fuzz/findings
clang++ -std=c++20 -O1 -g -fsanitize=fuzzer,address,undefined -fno-sanitize-recover=undefined \
    -I. fuzz/fuzz_core.cpp core/*.cpp -o "$out/fuzz_core"

# Seeds: the presets, one value per line.
printf '150\n220\n250\n300\n100\n-1\n' > fuzz/corpus/crank_rocker
printf '250\n220\n150\n300\n100\n-1\n' > fuzz/corpus/rocker_crank
printf '300\n150\n220\n100\n100\n-1\n' > fuzz/corpus/double_rocker
printf '100\n100\n100\n100\n60\n1\n' > fuzz/corpus/parallelogram

"$out/fuzz_core" -max_total_time="$seconds" -max_len=256 -print_final_stats=1 \
    -artifact_prefix=fuzz/findings/ fuzz/corpus
