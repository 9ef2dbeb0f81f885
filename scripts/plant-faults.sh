#!/usr/bin/env bash
# Plants plausible single-point faults in the code one at a time, builds, runs the tests and says
# which faults the tests catch: how well the suite guards each part of the program.
# Usage: bash scripts/plant-faults.sh [FAULTS-FILE...]   (default: every tests/faults/*.faults)
# A faults file holds one fault per paragraph (blank lines between them; '#' starts a comment):
#   area: core | window | toolkit | report-tool     (what the fault belongs to)
#   file: ui/main/main_window.cpp                   (one file, relative to the top folder)
#   find: the exact text of one line (or part of it), found once in the file
#   replace: the text that takes its place
#   tests: a ctest regex of the tests to run (optional; default every test)
# Builds in build/faults (release, tests on); the source tree is restored after every fault, also
# when the script is interrupted. A fault that does not build counts as caught by the compiler and is
# reported apart: such a fault says nothing about the tests, so write faults that build.
set -euo pipefail
cd "$(dirname "$0")/.."
build=build/faults
files=("$@")
if ((${#files[@]} == 0)); then
    files=(tests/faults/*.faults)
fi

bash scripts/setup.sh test >&2
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON \
    -DFOURBAR_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" -j "$(nproc)" >/dev/null

backup="$(mktemp)"
planted=""
restore() {
    if [ -n "$planted" ]; then
        cp "$backup" "$planted"
        planted=""
    fi
}
trap 'restore; rm -f "$backup"' EXIT

results="$(mktemp)"
# Plants one fault, builds, tests; appends "area verdict description" to $results.
try_fault() {
    local area="$1" file="$2" find="$3" replace="$4" tests="$5"
    local where="$file: $find"
    if [ "$(FIND="$find" perl -0ne 'print scalar(() = /\Q$ENV{FIND}\E/g)' "$file")" != 1 ]; then
        echo "UNUSABLE  $where (not found exactly once)" >&2
        echo "$area unusable" >>"$results"
        return
    fi
    cp "$file" "$backup"
    planted="$file"
    FIND="$find" REPLACE="$replace" perl -0pi -e 's/\Q$ENV{FIND}\E/$ENV{REPLACE}/' "$file"
    local verdict
    if ! cmake --build "$build" -j "$(nproc)" >/dev/null 2>&1; then
        verdict=NOBUILD
    elif ctest --test-dir "$build" -j "$(nproc)" ${tests:+-R "$tests"} --timeout 300 \
        >/dev/null 2>&1; then
        verdict=MISSED
    else
        verdict=CAUGHT
    fi
    restore
    echo "$verdict $(printf '%-8s' "$area") $where -> $replace"
    echo "$area $verdict" >>"$results"
}

for faults in "${files[@]}"; do
    area="" file="" find="" replace="" tests=""
    flush() {
        if [ -n "$file" ]; then
            try_fault "$area" "$file" "$find" "$replace" "$tests"
        fi
        file="" find="" replace="" tests=""
    }
    while IFS= read -r line || [ -n "$line" ]; do
        case "$line" in
            '#'*) ;;
            '') flush ;;
            area:*) area="${line#area: }" ;;
            file:*) file="${line#file: }" ;;
            find:*) find="${line#find: }" ;;
            replace:*) replace="${line#replace: }" ;;
            tests:*) tests="${line#tests: }" ;;
        esac
    done <"$faults"
    flush
done
# Leave the build as the sources are.
cmake --build "$build" -j "$(nproc)" >/dev/null

echo
awk '{ n[$1]++; c[$1] += ($2 == "CAUGHT"); b[$1] += ($2 == "NOBUILD"); u[$1] += ($2 == "UNUSABLE") }
     END { for (a in n) { t = n[a] - b[a] - u[a]
         printf "%-12s %3d of %3d caught (%.0f %%); %d did not build, %d unusable\n",
             a, c[a], t, t ? 100 * c[a] / t : 0, b[a], u[a] } }' "$results" | sort
rm -f "$results"
