#!/usr/bin/env bash
# Installs the Debian 12 packages that the build needs, when any is missing.
set -euo pipefail
packages=(qtbase5-dev libqt5webkit5-dev libqt5sql5-sqlite libqt5svg5-dev qttools5-dev-tools
          cmake g++ ninja-build libbenchmark-dev xvfb xauth sqlite3)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq "${missing[@]}"
fi
