#!/usr/bin/env bash
# Installs what is missing, builds everything (tests and benchmarks switched
# on, whatever the folder held before) and runs every test headless. No test
# reaches beyond this machine: the maker's server address points at a
# loopback port where nothing listens, before anything starts.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/tools/deps.sh"
build="${BUILD_DIR:-$root/build}"
BUILD_DIR="$build" bash "$root/tools/build.sh" -DTESVAR_TESTS=ON -DTESVAR_BENCH=ON
export QT_QPA_PLATFORM=offscreen
export TESVAR_SERVER_URL="${TESVAR_SERVER_URL:-http://127.0.0.1:9/}"
cd "$build"
ctest --output-on-failure --no-tests=error --timeout 900 -j "${JOBS:-$(nproc)}"
