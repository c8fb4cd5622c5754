#!/usr/bin/env bash
# The real program started on documents it cannot open, from a terminal: a
# box names the file and the cause (answered with a key), one line on
# standard error says the same, and the status is not 0.
#   vantor-open-failures.sh VANTOR DEMO_DOCUMENT ARTIFACT_DIR
set -uo pipefail
vantor=$1 demo=$2 artifacts=$3

if [ -z "${DISPLAY:-}" ]; then
  echo "FAIL: the test needs a display: run it under xvfb-run (tools/test.sh does)." >&2
  exit 1
fi
for tool in xdotool import; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (tools/install-deps.sh installs it)" >&2; exit 1; }
done

source "$(dirname "$0")/real-program.sh" open

printf 'Shopping list\nmilk\n' >"$work/notes.qzid"
: >"$work/empty.qzi"
head -c "$(($(stat -c %s "$demo") / 2))" "$demo" >"$work/cut.qzid"

shot_taken=
# file, the cause on standard error
while IFS='|' read -r name cause; do
  path=$work/$name
  "$program/Vantor" -nologo "$path" >"$work/out" 2>"$work/err" &
  pid=$!
  pids+=("$pid")
  box=$(timeout 20 xdotool search --sync --onlyvisible --name '^Vantor' 2>/dev/null | head -n 1)
  if [ -n "$box" ]; then
    sleep 0.5
    if [ -z "$shot_taken" ]; then
      import -window root "$artifacts/vantor_open_failure_box.png" 2>/dev/null
      shot_taken=1
    fi
    xdotool windowfocus --sync "$box" 2>/dev/null || xdotool windowfocus "$box"
    sleep 0.3
    xdotool key --clearmodifiers Return
  else
    fail "$name: no box came up"
  fi
  status=0
  for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
  if kill -0 "$pid" 2>/dev/null; then
    fail "$name: the program did not end once its box was answered"
    continue
  fi
  wait "$pid"
  status=$?
  [ "$status" -ne 0 ] || fail "$name: the status is 0"
  lines=$(grep -c . "$work/err")
  [ "$lines" -eq 1 ] || fail "$name: $lines lines on standard error, not one: $(cat "$work/err")"
  expected="Vantor4: The document cannot be opened: $path: $cause"
  [ "$(cat "$work/err")" = "$expected" ] || fail "$name: standard error says '$(cat "$work/err")', not '$expected'"
done <<'CASES'
notes.qzid|The file is not a document of this program.
empty.qzi|The file is empty.
cut.qzid|The document is damaged or incomplete.
gone.qzid|The file does not exist.
CASES

[ "$failures" -eq 0 ] || exit 1
echo "all rows hold"
