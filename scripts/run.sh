#!/usr/bin/env bash
# Builds the program and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

build="$(bash scripts/build-target.sh run fourbar)"
exec "$build/app/fourbar" "$@"
