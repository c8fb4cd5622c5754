#!/usr/bin/env bash
# Installs the Debian packages the build and the tests need; does nothing
# when all of them are present. With --check it installs nothing and fails
# when a package is missing.
set -euo pipefail

packages=(
  cmake g++ make
  libboost-dev libboost-serialization-dev libboost-thread-dev libboost-date-time-dev
  libxerces-c-dev
  libwxgtk3.2-dev libgtk-3-dev
  xvfb xauth imagemagick fonts-dejavu-core fonts-liberation
  libgtest-dev libgmock-dev libbenchmark-dev
  libcairo2-dev poppler-utils
  cups-daemon cups-client printer-driver-cups-pdf libcups2-dev
  xdotool openbox wmctrl gdb
  clang libclang-rt-14-dev
)

# One query for all of them: the demo asks this at every start.
declare -A installed=()
while read -r name state; do
  [ "$state" = "install ok installed" ] && installed[$name]=1
done < <(dpkg-query -W -f='${Package} ${Status}\n' "${packages[@]}" 2>/dev/null)
missing=()
for p in "${packages[@]}"; do
  [ -n "${installed[$p]:-}" ] || missing+=("$p")
done

if [ "${1:-}" = "--check" ]; then
  [ ${#missing[@]} -eq 0 ] && exit 0
  echo "Missing: ${missing[*]}" >&2
  exit 1
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -q
  apt-get install -y -q --no-install-recommends "${missing[@]}"
fi
