#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test; GUI tests
# run under one virtual display.
set -euo pipefail
cd "$(dirname "$0")/.."

bash tools/install-deps.sh

jobs=$(nproc)
# -O1 without debug information: the builds below take most of the run's
# time, and the tests need no more optimisation than this.
quick=(-DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O1 -DNDEBUG")
cmake -S . -B build "${quick[@]}"
cmake --build build -j"$jobs"

# What is printed goes through a print queue of the tests' own (a private
# cupsd with a PDF printer), never the machine's queues.
cups_dir=$(mktemp -d /tmp/vantor-cups.XXXXXX)
trap 'bash tools/cups/private-cups.sh stop "$cups_dir"; rm -rf "$cups_dir"' EXIT
while IFS='=' read -r name value; do
  export "$name=$value"
done < <(bash tools/cups/private-cups.sh start "$cups_dir")
[ -n "${CUPS_SERVER:-}" ] || { echo "the tests' print queue did not start" >&2; exit 1; }

xvfb-run -a -s "-screen 0 1280x1024x24" \
  ctest --test-dir build --output-on-failure -j"$jobs"
bash tools/cups/private-cups.sh stop "$cups_dir"
unset CUPS_SERVER CUPS_PDF_DIR

# The worker threads and the queues once more under ThreadSanitizer, in a
# build of their own that holds only the network and document tests.
cmake -S . -B build-tsan "${quick[@]}" -DVANTOR_TSAN=ON
cmake --build build-tsan -j"$jobs" --target network_tests document_tests foundation_tests
TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1" \
  ctest --test-dir build-tsan --output-on-failure -j"$jobs" \
    -R '^(NetworkRun|Queue|AlarmsTest\.BlackoutTest|SaveWhileRunning|Lifetime|EndToEnd|DocPath|NetworkWaits|ConcurrentPosting|Cases/HandOver|LogRotation)'

# Reliability. The saves killed midway (200 kills) ran above as the test
# SaveKill. Every fuzz target for 20 s on its corpus (the two document
# formats for 30 s), in a clang build of its own with the address and
# undefined-behaviour sanitizers, starting from its seeds and regressions;
# then the line soak at fast timings, which fails on a false OK, a hang, a
# broken link state or lost settings.
cmake -S . -B build-fuzz "${quick[@]}" -DVANTOR_FUZZ=ON -DCMAKE_CXX_COMPILER=clang++
cmake --build build-fuzz -j"$jobs" --target fuzz
# The foundation and the network tests, and the graph's headless data
# reader, in the same build, so under the address and undefined-behaviour
# sanitizers too: a leak, a memory fault or a signed overflow fails the test
# that caused it.
cmake --build build-fuzz -j"$jobs" --target foundation_tests catalogue_tests network_tests \
  views_graph_data_tests
for dir in foundation network; do
  ASAN_OPTIONS="detect_leaks=1" UBSAN_OPTIONS="print_stacktrace=1" \
    ctest --test-dir "build-fuzz/tests/$dir" --output-on-failure -j"$jobs"
done
ASAN_OPTIONS="detect_leaks=1" UBSAN_OPTIONS="print_stacktrace=1" \
  ctest --test-dir build-fuzz/tests/views --output-on-failure -j"$jobs" -R '^(GphDataTest|HexDigits)\.'
others=()
for f in build-fuzz/fuzz/*.target; do
  name=$(basename "$f" .target)
  [[ $name == fuzz_doc_* ]] || others+=("$name")
done
bash tools/soak/fuzz-run.sh 20 "$jobs" build-fuzz "${others[@]}"
bash tools/soak/fuzz-run.sh 30 "$jobs" build-fuzz fuzz_doc_xml fuzz_doc_legacy
build/tools/soak/line-soak 1000 2>build/line-soak.log || {
  grep -a "false OK\|link state\|hung" build/line-soak.log | tail -20
  exit 1
}
# The real program for 3 minutes under a virtual display, against the
# simulator with random faults and an outage of the line; vantor-soak.sh and
# soak-check.sh say what it samples and what fails it.
rm -rf build/soak/test-run
bash tools/soak/vantor-soak.sh 180 build/soak/test-run
