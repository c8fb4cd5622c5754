#!/usr/bin/env bash
# Runs every fuzz target of a fuzz build for SECONDS each (default 20), JOBS
# at a time (default: half the cores, at least 1), each on a working corpus
# made from its seeds and regressions. Findings land in
# BUILD/fuzz/findings/NAME/; each should become a file in the target's
# regressions folder. Exit status non-zero when any target found something.
# The seed is fixed (FUZZ_SEED, default 1), so a short run repeats the start
# of the longer runs made with that seed before a change lands; FUZZ_SEED=0
# takes a new one each run, for searching.
#   tools/soak/fuzz-run.sh [SECONDS [JOBS [BUILD [NAME...]]]]
set -uo pipefail
seconds=${1:-20}
seed=${FUZZ_SEED:-1}
jobs=${2:-$(( $(nproc) / 2 > 0 ? $(nproc) / 2 : 1 ))}
build=$(realpath "${3:-build-fuzz}")
shift $(( $# < 3 ? $# : 3 ))
names=("$@")

if [ ${#names[@]} -eq 0 ]; then
  for f in "$build"/fuzz/*.target; do names+=("$(basename "$f" .target)"); done
fi

run_one() {
  local seconds=$1 build=$2 name=$3 seed=$4
  local program=("$(sed -n 1p "$build/fuzz/$name.target")" "$(sed -n 2p "$build/fuzz/$name.target")" "$(sed -n 3p "$build/fuzz/$name.target")")
  local corpus=$build/fuzz/corpus/$name findings=$build/fuzz/findings/$name log=$build/fuzz/$name.log
  mkdir -p "$corpus" "$findings"
  local dirs=("$corpus")
  for d in "${program[1]}" "${program[2]}"; do [ -d "$d" ] && dirs+=("$d"); done
  (cd "$findings" && ASAN_OPTIONS=detect_leaks=1:allocator_may_return_null=1 \
    "${program[0]}" -max_total_time="$seconds" -seed="$seed" -print_final_stats=1 -rss_limit_mb=2048 \
      -timeout=10 -artifact_prefix="$PWD/" "${dirs[@]}") >"$log" 2>&1
  local status=$?
  local execs
  execs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  if [ $status -eq 0 ]; then
    echo "$name: ${execs:-?} executions in ${seconds} s, ok"
  else
    echo "$name: FAILED after ${execs:-?} executions (status $status); see $log and $findings"
    tail -40 "$log"
  fi
  return $status
}
export -f run_one

printf '%s\n' "${names[@]}" | xargs -P "$jobs" -I{} bash -c 'run_one "$@"' _ "$seconds" "$build" {} "$seed"
