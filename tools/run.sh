#!/usr/bin/env bash
# Installs what is missing, builds, and starts the browser in the current
# folder, where it keeps its database (TesvarBrowser.db) and log (log.txt).
# The release build has its folder of its own (./build-release), so that it
# and the test build never rebuild each other.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/tools/deps.sh"
build="${RELEASE_BUILD_DIR:-$root/build-release}"
BUILD_DIR="$build" BUILD_TYPE=Release bash "$root/tools/build.sh" -DTESVAR_TESTS=OFF -DTESVAR_BENCH=OFF
program="$build/TesvarBrowser"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: starting the browser under a virtual X server (xvfb-run)."
  echo "To see it, run this on a desktop session, or: xvfb-run -a $program"
  exec xvfb-run -a "$program" "$@"
fi
exec "$program" "$@"
