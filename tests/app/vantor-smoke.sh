#!/usr/bin/env bash
# The real program from the outside, as a user starts it: a copy of the
# program's folder and a home of its own; xdotool finds windows and answers
# boxes, ImageMagick takes the screenshots.
#   vantor-smoke.sh VANTOR SIMULATOR DEMO_DOCUMENT ARTIFACT_DIR
set -uo pipefail
vantor=$1 simulator=$2 demo=$3 artifacts=$4

if [ -z "${DISPLAY:-}" ]; then
  echo "FAIL: the smoke test needs a display: run it under xvfb-run (tools/test.sh does)." >&2
  exit 1
fi
for tool in xdotool import convert; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (tools/install-deps.sh installs it)" >&2; exit 1; }
done

source "$(dirname "$0")/real-program.sh" smoke
activity=$program/QZ_Activity_Log_W.txt

# Waits up to $1 tenths of a second for the command to succeed.
wait_for() {
  local tenths=$1
  shift
  for _ in $(seq "$tenths"); do
    "$@" && return 0
    sleep 0.1
  done
  return 1
}
running() { kill -0 "$1" 2>/dev/null; }
ended() { ! kill -0 "$1" 2>/dev/null; }
# The records of this run: everything from its start line on.
run_records() { awk -v start="$1" 'NR > start' "$activity" | grep -v '^$'; }
line_count() { [ -f "$activity" ] && wc -l <"$activity" || echo 0; }
# Answers the box whose caption is $1 with Return; its window id, or fails.
answer_box() {
  local id
  id=$(timeout 15 xdotool search --sync --onlyvisible --name "^$1\$" 2>/dev/null | head -n 1) || return 1
  [ -n "$id" ] || return 1
  xdotool windowfocus --sync "$id" 2>/dev/null || xdotool windowfocus "$id"
  sleep 0.3
  xdotool key --clearmodifiers Return
}
shot() { import -window root "$artifacts/$1.png" 2>/dev/null; }
# More than one colour on the picture: something was drawn.
not_one_colour() { [ "$(convert "$1" -format '%k' info: 2>/dev/null || echo 0)" -gt 1 ]; }

echo "-- no argument"
start=$(line_count)
"$program/Vantor" >"$work/first.out" 2>&1 &
first=$!
pids+=("$first")
wait_for 150 grep -q "Opening a new document" "$activity" || fail "no new document after the start"
sleep 2.5  # the splash stays 2 s
shot vantor_new_document
not_one_colour "$artifacts/vantor_new_document.png" || fail "the screenshot is of one colour"
first_record=$(run_records "$start" | head -n 1)
case "$first_record" in
  *" Application start in TheApp::InitInstance() $program/Vantor") ;;
  *) fail "the first record of the run is not the start line with the program's path: $first_record" ;;
esac

echo "-- a second start while the first runs"
before=$(cat "$program"/QZ_*.txt | md5sum)
"$program/Vantor" -nologo >"$work/second.out" 2>&1 &
second=$!
pids+=("$second")
answer_box "Vantor4" || fail "no box captioned Vantor4"
wait_for 100 ended "$second" || fail "the second instance did not end once its box was answered"
after=$(cat "$program"/QZ_*.txt | md5sum)
[ "$before" = "$after" ] || fail "the second instance touched the first one's log files"
running "$first" || fail "the first instance ended"

echo "-- ending the first by its signal"
kill -TERM "$first"
wait_for 100 ended "$first" || fail "the first instance did not end on SIGTERM"
run_records "$start" | tail -n 1 | grep -q "Application stop in TheApp::ExitInstance()" || fail "no stop line after SIGTERM"

echo "-- a profile that cannot be written, then SIGTERM"
# The toolkit's complaint about it must not wait in a box after the windows
# have closed: the program ends, and the error file says why.
: >"$work/not-a-folder"
start=$(line_count)
errors_before=$(cat "$program/QZ_Error_Log_W.txt" 2>/dev/null | wc -l)
HOME=$work/not-a-folder/home "$program/Vantor" -nologo >"$work/no-profile.out" 2>&1 &
no_profile=$!
pids+=("$no_profile")
new_document_since() { run_records "$1" | grep -q "Opening a new document"; }
wait_for 150 new_document_since "$start" || fail "no new document with an unusable home"
kill -TERM "$no_profile"
wait_for 150 ended "$no_profile" || fail "with a profile it cannot write, the program did not end on SIGTERM"
run_records "$start" | tail -n 1 | grep -q "Application stop in TheApp::ExitInstance()" || fail "no stop line with an unusable home"
tail -n +"$((errors_before + 1))" "$program/QZ_Error_Log_W.txt" | grep -q "can't open user configuration file" ||
  fail "the error file does not say the profile could not be written"

echo "-- a document that cannot be read"
printf 'not a document' >"$work/broken.qzid"
start=$(line_count)
"$program/Vantor" -nologo "$work/broken.qzid" >"$work/broken.out" 2>&1 &
broken=$!
pids+=("$broken")
# A box names the file and the cause (vantor-open-failures.sh reads it); it is answered.
if ! wait_for 100 ended "$broken"; then
  answer_box "Vantor"
  wait_for 50 ended "$broken" || fail "the program did not end by itself"
fi
records=$(run_records "$start")
echo "$records" | head -n 1 | grep -q "Application start in TheApp::InitInstance()" || fail "no start line: $records"
echo "$records" | tail -n 1 | grep -q "Application stop in TheApp::ExitInstance()" || fail "no stop line: $records"

echo "-- the demo's document with the simulator"
doc=$work/plant
mkdir -p "$doc"
cp "$demo" "$doc/plant.qzid"
"$simulator" --paced 1:TC100 2:TH200 3:RC500 >"$work/simulator.out" 2>&1 &
sim=$!
pids+=("$sim")
wait_for 100 test -s "$work/simulator.out" || fail "the simulator printed no device"
device=$(head -n 1 "$work/simulator.out")
start=$(line_count)
COM1=$device "$program/Vantor" -nologo "$doc/plant.qzid" >"$work/demo.out" 2>&1 &
monitor=$!
pids+=("$monitor")
recorded() { cat "$doc"/QZ_Master_Log_000[123].txt 2>/dev/null | grep -q ' : '; }
wait_for 300 recorded || fail "no recording line in the document's folder"
shot vantor_demo_tiled
not_one_colour "$artifacts/vantor_demo_tiled.png" || fail "the screenshot is of one colour"

echo "-- SIGTERM to that monitor"
kill -TERM "$monitor"
wait_for 150 ended "$monitor" || fail "the monitor did not end on SIGTERM"
last_two=$(run_records "$start" | tail -n 2)
echo "$last_two" | head -n 1 | grep -q "Closing document named: $doc/plant.qzid" || fail "the close is not next to last: $last_two"
echo "$last_two" | tail -n 1 | grep -q "Application stop in TheApp::ExitInstance()" || fail "the stop line is not last: $last_two"
kill -TERM "$sim" 2>/dev/null

if [ "$failures" -gt 0 ]; then
  echo "--- activity log"; cat "$activity"
  echo "--- error log"; cat "$program/QZ_Error_Log_W.txt" 2>/dev/null
  exit 1
fi
echo "all rows hold"
