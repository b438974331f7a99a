#!/usr/bin/env bash
# Installs the Debian 12 packages that the build and the headless tests need,
# when any is missing. Recommended packages are left out (they would bring
# daemons such as systemd or avahi along); what the program needs of them is
# named here instead: fonts for the text it draws, the X fonts and keyboard
# data of the virtual X server.
set -euo pipefail
packages=(qtbase5-dev libqt5webkit5-dev libqt5sql5-sqlite libqt5svg5-dev qttools5-dev-tools
          cmake g++ ninja-build libbenchmark-dev libsqlite3-dev xvfb xauth xfonts-base x11-xkb-utils
          fontconfig fonts-dejavu-core sqlite3 ca-certificates)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

install_cmd="apt-get update && DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends ${missing[*]}"
as_root=()
if [ "$(id -u)" -ne 0 ]; then
  # sudo clears the environment, so the front-end setting is handed to apt-get
  # through env; a user without sudo (or without the right to use it) is told
  # what to run as root instead of meeting a bare sudo error.
  if ! command -v sudo >/dev/null 2>&1 || ! sudo -v 2>/dev/null; then
    echo "These Debian packages are missing: ${missing[*]}" >&2
    echo "Install them as root (for example after 'su -'), then run this command again:" >&2
    echo "  $install_cmd" >&2
    exit 1
  fi
  as_root=(sudo)
fi

echo "Installing ${#missing[@]} Debian packages: ${missing[*]}"
log="$(mktemp "${TMPDIR:-/tmp}/tesvar-apt.XXXXXX")"
if ! { "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get update -qq &&
       "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
         --no-install-recommends -o Dpkg::Use-Pty=0 "${missing[@]}"; } >"$log" 2>&1; then
  tail -n 30 "$log" >&2
  echo "Installing the packages failed; the whole output is in $log" >&2
  exit 1
fi
rm -f "$log"
echo "Packages installed."
