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
