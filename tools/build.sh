#!/usr/bin/env bash
# Configures and builds into a build folder: ./build (or $BUILD_DIR). Extra
# arguments go to CMake's configure step; a folder keeps its own settings, so
# the browser's release build and the test build each have a folder of their
# own and neither rebuilds the other's.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
build="${BUILD_DIR:-$root/build}"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE="${BUILD_TYPE:-RelWithDebInfo}" "$@" >/dev/null
cmake --build "$build" --parallel "${JOBS:-$(nproc)}"
