#!/usr/bin/env bash
# Installs what is missing, builds, and starts the browser in the current
# folder, where it keeps its database (TesvarBrowser.db) and log (log.txt).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
bash "$root/tools/deps.sh"
BUILD_TYPE=Release bash "$root/tools/build.sh" -DTESVAR_TESTS=OFF -DTESVAR_BENCH=OFF
program="${BUILD_DIR:-$root/build}/TesvarBrowser"
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "No display found: starting the browser under a virtual X server (xvfb-run)."
  echo "To see it, run this on a desktop session, or: xvfb-run -a $program"
  exec xvfb-run -a "$program" "$@"
fi
exec "$program" "$@"
