#!/usr/bin/env bash
# The monitor against the instrument simulator, for a first look: installs
# what is missing, builds the monitor and the simulator, starts the
# simulator with the three shipped instrument types and opens the demo's
# document in a new folder, where the recording files and alarms.txt stay.
# Further arguments go to the monitor.
set -euo pipefail
cd "$(dirname "$0")/.."
repo=$(pwd)

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "The monitor needs a desktop session: run this in a terminal of the desktop." >&2
  exit 1
fi

if ! bash tools/install-deps.sh --check; then
  if [ "$(id -u)" -eq 0 ]; then
    bash tools/install-deps.sh
  elif command -v sudo >/dev/null 2>&1; then
    sudo bash tools/install-deps.sh
  else
    echo "Some packages are missing. Run this as root, then start the demo again:" >&2
    echo "  bash $repo/tools/install-deps.sh" >&2
    exit 1
  fi
fi

# Configures only a build folder without a configuration, or after a
# CMakeLists.txt or a .cmake file changed since the last configuration;
# otherwise a second start goes straight to the build, which finds nothing
# to do.
configure_needed() {
  [ -f build/CMakeCache.txt ] || return 0
  [ -n "$(find . -path './build*' -prune -o -path ./.git -prune -o \
            \( -name CMakeLists.txt -o -name '*.cmake' \) -newer build/CMakeCache.txt -print -quit)" ]
}
if configure_needed; then
  launcher=()
  command -v ccache >/dev/null 2>&1 && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S . -B build "${launcher[@]}" >/dev/null
  # A configuration that changes nothing leaves the cache as it was.
  touch build/CMakeCache.txt
fi
# Builds only when a file of the repository changed since the demo's last
# build: even a build with nothing to do walks every target's dependencies
# for seconds.
built=build/demo-built.stamp
build_needed() {
  [ -f "$built" ] || return 0
  [ -n "$(find . -path './build*' -prune -o -path ./.git -prune -o -type f -newer "$built" -print -quit)" ]
}
if build_needed; then
  cmake --build build -j"$(nproc)" --target Vantor instrument-simulator
  touch "$built"
fi

work=$(mktemp -d "${TMPDIR:-/tmp}/vantor-demo-XXXXXX")
cp tools/demo/plant.qzid "$work/"
cat > "$work/alarm.bat" <<'SCRIPT'
#!/bin/sh
# The monitor's alarm script: state (1 raised, 0 cleared), kind (0
# instrument, 1 lost link, 2 blackout), address, room, alarm number, text.
echo "$(date '+%Y-%m-%d %H:%M:%S') $*" >> "$(dirname "$0")/alarms.txt"
SCRIPT

build/tools/simulator/instrument-simulator --paced --moving 1:TC100 2:TH200 3:RC500 >"$work/simulator.txt" 2>&1 &
simulator=$!
finish() {
  kill "$simulator" 2>/dev/null || true
  wait "$simulator" 2>/dev/null || true
  echo
  echo "The demo's files are in $work"
  echo "  (the recording files of the three instruments, alarms.txt when an alarm came;"
  echo "   the monitor's log files are beside the program in $repo/build/app)"
}
trap finish EXIT

device=
for _ in $(seq 100); do
  device=$(head -n 1 "$work/simulator.txt" 2>/dev/null || true)
  [ -n "$device" ] && break
  sleep 0.1
done
if [ -z "$device" ]; then
  echo "The instrument simulator did not start:" >&2
  cat "$work/simulator.txt" >&2
  exit 1
fi
echo "The simulator answers on $device; the monitor reads it as COM1."
echo "End the monitor with File Close and then File Exit, or Ctrl+C here."

# Ctrl+C reaches the monitor too: it closes the document and ends cleanly.
COM1="$device" build/app/Vantor "$work/plant.qzid" "$@" || true
