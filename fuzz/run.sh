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

# Seeds: the target writes the menu's presets into the corpus itself; a parallelogram besides.
printf '100\n100\n100\n100\n60\n1\n' > fuzz/corpus/parallelogram

FOURBAR_FUZZ_SEEDS=fuzz/corpus "$out/fuzz_core" -max_total_time="$seconds" -max_len=256 -print_final_stats=1 \
    -artifact_prefix=fuzz/findings/ fuzz/corpus
