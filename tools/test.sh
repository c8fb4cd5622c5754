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
