#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test; GUI tests
# run under one virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh

jobs=$(nproc)
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j"$jobs"

xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --test-dir build --output-on-failure -j"$jobs"

# The worker threads and the queues once more under ThreadSanitizer, in a
# build of their own that holds only the network tests.
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_TSAN=ON
cmake --build build-tsan -j"$jobs" --target network_tests
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
  ctest --test-dir build-tsan --output-on-failure -j"$jobs" -R '^(NetworkRun|Queue|AlarmsTest\.BlackoutTest)'

# Reliability. The saves killed midway (200 kills) ran above as the test
# SaveKill. Every fuzz target for 20 s on its corpus, in a clang build of its
# own with the address and undefined-behaviour sanitizers; then the line soak
# at fast timings, which fails on a false OK, a hang, a broken link state or
# lost settings.
cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++
cmake --build build-fuzz -j"$jobs" --target fuzz
bash tools/soak/fuzz-run.sh 20 "$jobs" build-fuzz
build/tools/soak/line-soak 1000 2>build/line-soak.log || {
  grep -a "false OK\|link state\|hung" build/line-soak.log | tail -20
  exit 1
}
