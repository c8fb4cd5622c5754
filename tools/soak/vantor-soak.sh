#!/usr/bin/env bash
# The real program soaked: Vantor on a copy of the demo's document against
# the instrument simulator with random faults on its answers and outages of
# the line, under a virtual display with a window manager; now and then a
# graph and a settings form opened through the keyboard. Samples the
# program's memory, CPU, descriptors and log sizes, ends it with SIGTERM and
# judges the run with soak-check.sh (which says what each check holds).
#   vantor-soak.sh SECONDS [RUN_FOLDER]
#
# Timings follow the length of the run:
#   samples       every 60 s (runs under 20 minutes: every SECONDS/20 s,
#                 at least 5 s), and the recording files' last lines with
#                 each;
#   warm-up       10 minutes (runs under 30 minutes: a third of the run);
#                 memory and descriptors are judged from the first sample
#                 after it;
#   outages       the simulator stopped and started again on the same
#                 device path: every 4 minutes, alternately shorter and
#                 longer than the lost-link time-out (60 s; runs under 20
#                 minutes: one outage of 45 s with a time-out of 20 s); none
#                 in the last minute;
#   views         a graph or a settings form, by turns, opened with its
#                 keys and closed again: twice each inside the warm-up (the
#                 toolkit's caches and the heap's high-water mark settle
#                 only with the second opening of a kind), then every 5
#                 minutes (runs under 20 minutes: twice more after the
#                 outage).
# The copy of the document gets the lost-link time-out above; the document
# is judged unchanged against that copy.
set -uo pipefail
usage() {
  echo "usage: vantor-soak.sh SECONDS [RUN_FOLDER]" >&2
  exit 2
}
[ $# -ge 1 ] && [[ $1 =~ ^[0-9]+$ ]] && [ "$1" -ge 60 ] || usage
seconds=$1
repo=$(cd "$(dirname "$0")/../.." && pwd)
run=${2:-$repo/build/soak/run-$(date +%Y%m%d-%H%M%S)}
# The home is set from it: a user's home is a full path.
run=$(realpath -m "$run")

# The run needs a display of its own with a window manager on it.
if [ -z "${VANTOR_SOAK_INSIDE:-}" ]; then
  for tool in xvfb-run openbox xdotool import convert sha256sum; do
    command -v "$tool" >/dev/null || { echo "FAIL setup: $tool is missing (tools/install-deps.sh installs it)"; exit 1; }
  done
  if [ -n "$(ls -A "$run" 2>/dev/null)" ]; then
    echo "FAIL setup: the run folder $run is not empty"
    exit 1
  fi
  mkdir -p "$run" || exit 1
  VANTOR_SOAK_INSIDE=1 xvfb-run -a -s "-screen 0 1280x1024x24" bash "$0" "$seconds" "$run"
  exit $?
fi

vantor=$repo/build/app/Vantor
simulator=$repo/build/tools/simulator/instrument-simulator
for f in "$vantor" "$simulator"; do
  [ -x "$f" ] || { echo "FAIL setup: $f is not built"; exit 1; }
done

# --- timings
if [ "$seconds" -lt 1200 ]; then
  sample_every=$((seconds / 20 > 5 ? seconds / 20 : 5))
  lld=20
  outage_plan=("$((seconds * 2 / 5)) 45")
  view_times=($((seconds / 12)) $((seconds / 8)) $((seconds / 6)) $((seconds / 4)) $((seconds * 7 / 10)) $((seconds * 5 / 6)))
else
  sample_every=60
  lld=60
  outage_plan=()
  for ((t = 240, k = 0; t + 150 < seconds - 60; t += 240, k++)); do
    outage_plan+=("$t $((k % 2 ? lld + 40 : lld / 2))")
  done
  view_times=(120 240 360 480)
  for ((t = 780; t < seconds - 60; t += 300)); do view_times+=("$t"); done
fi
warmup=$((seconds < 1800 ? seconds / 3 : 600))
period=10  # the demo document's recording period

# --- the run's folder: a copy of the program's folder, a home, the document
program=$run/program doc=$run/doc
mkdir -p "$program" "$doc" "$run/home" "$run/shots"
cp "$vantor" "$program/Vantor"
cp -r "$(dirname "$vantor")/XML" "$(dirname "$vantor")/Scripts" "$program/"
# The simulator is started again after each outage: a copy keeps a build
# made meanwhile out of the run.
mkdir -p "$run/simulator"
cp "$simulator" "$run/simulator/"
cp -r "$(dirname "$simulator")/XML" "$run/simulator/"
simulator=$run/simulator/$(basename "$simulator")
sed '/<lostLinkDelay_/{n;s|<v>[0-9]*</v>|<v>'"$lld"'</v>|}' "$repo/tools/demo/plant.qzid" >"$doc/plant.qzid"
cat >"$doc/alarm.bat" <<'SCRIPT'
#!/bin/sh
# The monitor's alarm script: the time, then state (1 raised, 0 cleared),
# kind (0 instrument, 1 lost link, 2 blackout), address, room, number, text.
echo "$(date +%s) $*" >> "$(dirname "$0")/alarms.txt"
SCRIPT
chmod +x "$doc/alarm.bat"
export HOME=$run/home NO_AT_BRIDGE=1 GSETTINGS_BACKEND=memory GDK_BACKEND=x11
link=$run/ttyV
: >"$run/outages.tsv"
echo "time rss_kb cpu_s fds activity_bytes error_bytes sercomm_bytes" >"$run/samples.tsv"
note() { echo "$(date -u +%T) $*" | tee -a "$run/soak.log"; }

# What is still running at the end, by its own id only.
openbox_pid= simulator_pid= vantor_pid=
cleanup() {
  local pid
  for pid in $vantor_pid $simulator_pid $openbox_pid; do kill -KILL "$pid" 2>/dev/null; done
}
trap cleanup EXIT

openbox >"$run/openbox.log" 2>&1 &
openbox_pid=$!

simulator_runs=0
start_simulator() {
  simulator_runs=$((simulator_runs + 1))
  "$simulator" --paced --moving --faults 3 --seed "$simulator_runs" --link "$link" 1:TC100 2:TH200 3:RC500 \
    >"$run/simulator-$simulator_runs.txt" 2>&1 &
  simulator_pid=$!
  for _ in $(seq 100); do
    [ -L "$link" ] && [ "$(wc -l <"$run/simulator-$simulator_runs.txt")" -ge 4 ] && return 0
    sleep 0.1
  done
  note "the simulator did not start: $(cat "$run/simulator-$simulator_runs.txt")"
  return 1
}
stop_simulator() {
  kill -TERM "$simulator_pid" 2>/dev/null
  wait "$simulator_pid" 2>/dev/null
  simulator_pid=
  rm -f "$link"
}

start_simulator || exit 1
tail -n +2 "$run/simulator-1.txt" >"$run/instruments.txt"
doc_sha=$(sha256sum "$doc/plant.qzid" | cut -d' ' -f1)

COM1=$link "$program/Vantor" -nologo "$doc/plant.qzid" >"$run/vantor.out" 2>&1 &
vantor_pid=$!
start=$(date +%s)
note "Vantor $vantor_pid started for $seconds s in $run"

# --- views through the keyboard
main_window() { xdotool search --onlyvisible --pid "$vantor_pid" --name ' - plant.qzid$' 2>/dev/null | head -n 1; }
# Brings the window whose title matches $1 to the front and prints its id;
# fails after 15 s.
front() {
  local id
  for _ in $(seq 30); do
    id=$(xdotool search --onlyvisible --pid "$vantor_pid" --name "$1" 2>/dev/null | tail -n 1)
    if [ -n "$id" ]; then
      xdotool windowactivate --sync "$id" 2>/dev/null
      xdotool windowfocus --sync "$id" 2>/dev/null
      sleep 0.5
      echo "$id"
      return 0
    fi
    sleep 0.5
  done
  return 1
}
# Picks the instrument in the instrument box. Where the box puts the focus
# first varies from one opening to the next, so a click puts it into the
# box's text field (at the top left of the dialog) before the keys.
pick_instrument() {
  local id WINDOW X Y WIDTH HEIGHT SCREEN
  id=$(front '^Please select an instrument$') || return 1
  eval "$(xdotool getwindowgeometry --shell "$id")"
  xdotool mousemove --window "$id" $((WIDTH * 3 / 10)) $((HEIGHT * 19 / 100)) click 1
  sleep 0.3
  xdotool key --clearmodifiers ctrl+a "$1" Return
}
# Answers with Escape every box of the program still open, so that a view
# that failed to open leaves no modal box behind.
dismiss_boxes() {
  local main id
  main=$(main_window)
  for id in $(xdotool search --onlyvisible --pid "$vantor_pid" --name . 2>/dev/null); do
    [ "$id" = "$main" ] && continue
    xdotool windowactivate --sync "$id" 2>/dev/null
    xdotool key --clearmodifiers Escape
    sleep 0.5
  done
}
# The tab rows of the two panes (a view opens in one or the other, as the
# panes came out on the screen) and the right end of each row's tabs: the
# close button of the last tab sits just inside it. A tab row is found down
# the screen's left edge as the strip's gradient (its shade rising row by
# row for more than 15 rows), so a layout that moves the panes moves them.
tab_rows=()
find_tab_rows() {
  import -window root "$run/shots/now.png" 2>/dev/null
  convert "$run/shots/now.png" -crop 1x1024+2+0 txt:- 2>/dev/null |
    awk -F'[ ,:()]+' 'NR > 1 { v = $3 + 0
        if (NR > 2 && v > last) { if (!run) s = $2 - 1; run++ }
        else { if (run >= 15) print int((s + $2 - 1) / 2); run = 0 }
        last = v }'
}
tabs_ends() {
  local y
  import -window root "$run/shots/now.png" 2>/dev/null
  for y in "${tab_rows[@]}"; do
    convert "$run/shots/now.png" -crop "1270x1+0+$y" txt:- 2>/dev/null |
      awk -F'[ ,:]+' 'NR > 1 { c[$1] = $NF }
        END { for (x = 1268; x >= 0; --x) if (c[x] != c[1269]) { print x; exit } print 0 }'
  done | tr '\n' ' '
}
views_tried=0 views_opened=0 views_closed=0
# Opens a graph of instrument 1 (Alt+G, the instrument, the time range) or
# the settings form of instrument 2 (Ctrl+M, the instrument), then closes
# it by its tab's close button: the program has no key for that.
open_view() {
  local kind=$1 window before after row i
  local -a was now
  views_tried=$((views_tried + 1))
  window=$(main_window)
  [ -n "$window" ] || { note "views: no main window"; return 1; }
  [ ${#tab_rows[@]} -gt 0 ] || mapfile -t tab_rows < <(find_tab_rows)
  [ ${#tab_rows[@]} -gt 0 ] || { note "views: no tab rows on the screen"; return 1; }
  before=$(tabs_ends)
  xdotool windowactivate --sync "$window" 2>/dev/null
  if [ "$kind" = graph ]; then
    xdotool key --clearmodifiers alt+g
    pick_instrument 1 && front '^Time range$' >/dev/null && xdotool key --clearmodifiers Return
  else
    xdotool key --clearmodifiers ctrl+m
    pick_instrument 2
  fi
  sleep 5
  after=$(tabs_ends)
  read -r -a was <<<"$before"
  read -r -a now <<<"$after"
  row=
  for i in "${!tab_rows[@]}"; do
    [ "${now[$i]:-0}" -gt "${was[$i]:-0}" ] && row=$i
  done
  if [ -z "$row" ]; then
    note "views: the $kind did not open"
    cp "$run/shots/now.png" "$run/shots/$kind-not-open-$views_tried.png"
    dismiss_boxes
    return 1
  fi
  views_opened=$((views_opened + 1))
  [ "$views_opened" -le 2 ] && cp "$run/shots/now.png" "$run/shots/$kind.png"
  xdotool mousemove --sync $((now[row] - 10)) "${tab_rows[$row]}" click 1
  sleep 2
  if [ "$(tabs_ends)" = "$before" ]; then
    views_closed=$((views_closed + 1))
  else
    note "views: the $kind did not close"
    cp "$run/shots/now.png" "$run/shots/$kind-not-closed-$views_tried.png"
  fi
}

# --- samples
sample() {
  local now rss ticks fds sizes f
  now=$(date +%s)
  rss=$(awk '/^VmRSS:/ { print $2 }' "/proc/$vantor_pid/status" 2>/dev/null) || return 1
  ticks=$(awk '{ print $14 + $15 }' "/proc/$vantor_pid/stat" 2>/dev/null) || return 1
  fds=$(ls "/proc/$vantor_pid/fd" 2>/dev/null | wc -l)
  sizes=
  for f in QZ_Activity_Log_W.txt QZ_Error_Log_W.txt QZ_Ser_Comm_Log_W.txt; do
    sizes="$sizes $(cat "$program/$f" "$program/$f.1" 2>/dev/null | wc -c)"
  done
  echo "$now $rss $((ticks / $(getconf CLK_TCK))) $fds$sizes" >>"$run/samples.tsv"
  {
    echo "$(date -u -d "@$now" +%T)"
    for f in "$doc"/QZ_Master_Log_*.txt; do
      [ -f "$f" ] && echo "  $(basename "$f"): $(tail -n 1 "$f" | tr -d '\r' | cut -c1-100)"
    done
  } >>"$run/last-lines.txt"
}

# --- the run
ended=term status=
next_sample=$start outage_index=0 view_index=0 outage_end=0
while :; do
  now=$(date +%s)
  elapsed=$((now - start))
  if ! kill -0 "$vantor_pid" 2>/dev/null; then
    wait "$vantor_pid"
    status=$?
    ended=died
    vantor_pid=
    note "Vantor ended by itself with status $status"
    break
  fi
  [ "$elapsed" -ge "$seconds" ] && break
  if [ "$now" -ge "$next_sample" ]; then
    sample
    next_sample=$((next_sample + sample_every))
  fi
  if [ "$outage_end" -gt 0 ] && [ "$now" -ge "$outage_end" ]; then
    start_simulator
    echo "$outage_start $(date +%s)" >>"$run/outages.tsv"
    note "outage over"
    outage_end=0
  elif [ "$outage_end" -eq 0 ] && [ "$outage_index" -lt "${#outage_plan[@]}" ]; then
    read -r at length <<<"${outage_plan[$outage_index]}"
    if [ "$elapsed" -ge "$at" ]; then
      stop_simulator
      outage_start=$(date +%s)
      outage_end=$((outage_start + length))
      outage_index=$((outage_index + 1))
      note "outage of $length s"
    fi
  fi
  if [ "$view_index" -lt "${#view_times[@]}" ] && [ "$elapsed" -ge "${view_times[$view_index]}" ]; then
    open_view $([ $((view_index % 2)) -eq 0 ] && echo graph || echo form)
    view_index=$((view_index + 1))
  fi
  sleep 1
done
if [ "$outage_end" -gt 0 ]; then
  start_simulator
  echo "$outage_start $(date +%s)" >>"$run/outages.tsv"
fi

term=$(date +%s)
if [ "$ended" = term ]; then
  sample
  import -window root "$run/shots/end.png" 2>/dev/null
  kill -TERM "$vantor_pid"
  # Closing waits for the line at most a minute, and the program's exit
  # watchdog ends it at most 90 s after its main loop.
  for _ in $(seq 360); do
    kill -0 "$vantor_pid" 2>/dev/null || break
    sleep 0.5
  done
  if kill -0 "$vantor_pid" 2>/dev/null; then
    ended=hung
    # Where each thread waits is what a hang's cause is found from.
    command -v gdb >/dev/null &&
      timeout 60 gdb -p "$vantor_pid" -batch -ex "thread apply all bt" >"$run/hang-stacks.txt" 2>&1
    kill -KILL "$vantor_pid"
  fi
  wait "$vantor_pid" 2>/dev/null
  status=$?
fi
vantor_pid=
stop_simulator

cat >"$run/run.env" <<EOF
start=$start
term=$term
ended=$ended
status=$status
warmup=$warmup
period=$period
lld=$lld
doc_sha=$doc_sha
EOF

# --- figures
awk -v start="$start" -v warmup="$warmup" 'NR == 2 { t0 = $1; c0 = $3 }
  NR > 1 && !w && $1 >= start + warmup { w = 1; wr = $2; wf = $4 }
  NR > 1 { n++; t = $1; r = $2; c = $3; f = $4; a = $5; e = $6; s = $7; if ($2 > peak) peak = $2 }
  END {
    printf "figures: %d samples over %d s; resident %d kB after the warm-up, %d kB at the end (peak %d kB)\n", n, t - t0, wr, r, peak
    cpu = t > t0 ? 100 * (c - c0) / (t - t0) : 0
    printf "figures: CPU %.1f %% of one core on average; descriptors %d after the warm-up, %d at the end\n", cpu, wf, f
    printf "figures: logs %d bytes activity, %d bytes error, %d bytes serial\n", a, e, s
  }' "$run/samples.tsv"
echo "figures: $(wc -l <"$run/outages.tsv") outages, $views_opened views opened and $views_closed closed, $(cat "$doc"/alarms.txt 2>/dev/null | wc -l) alarm script lines, $(cat "$doc"/QZ_Master_Log_*.txt 2>/dev/null | wc -l) recording lines"
bash "$repo/tools/soak/soak-check.sh" "$run"
verdict=$?
[ "$verdict" -eq 0 ] && echo "soak passed: $run" || echo "soak FAILED: $run"
exit "$verdict"
