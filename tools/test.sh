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
# build of their own that holds only the network and document tests.
cmake -S . -B build-tsan -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_TSAN=ON
cmake --build build-tsan -j"$jobs" --target network_tests document_tests
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
  ctest --test-dir build-tsan --output-on-failure -j"$jobs" \
    -R '^(NetworkRun|Queue|AlarmsTest\.BlackoutTest|SaveWhileRunning)'

# The document formats' fuzz targets, with clang's sanitizers, in a build of
# their own: 30 s each on a scratch corpus from the seeds, then once over
# every regression input. A crash, leak, time-out or overrun fails the run
# and prints the input.
CC=clang CXX=clang++ cmake -S . -B build-fuzz -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVANTOR_FUZZ=ON
cmake --build build-fuzz -j"$jobs" --target fuzz_doc_xml fuzz_doc_legacy
for name in fuzz_doc_xml fuzz_doc_legacy; do
  mapfile -t spec < "build-fuzz/fuzz/$name.target"
  scratch=$(mktemp -d)
  [ -d "${spec[1]}" ] && cp -r "${spec[1]}/." "$scratch/"
  (cd "$scratch" && "${spec[0]}" -max_total_time=30 -timeout=10 -rss_limit_mb=2048 "$scratch")
  if [ -d "${spec[2]}" ] && [ -n "$(ls -A "${spec[2]}")" ]; then
    "${spec[0]}" -timeout=10 -rss_limit_mb=2048 "${spec[2]}"/*
  fi
  rm -rf "$scratch"
done
