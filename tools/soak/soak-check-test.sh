#!/usr/bin/env bash
# The soak checks bite: a made-up run that holds passes every check, each
# fault injected into a copy of it fails exactly the check meant to catch
# it, and a late reading after one missed recording is no fault.
#   soak-check-test.sh [SOAK_CHECK]
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
checker=${1:-$here/soak-check.sh}
root=$(mktemp -d "${TMPDIR:-/tmp}/soak-check-test-XXXXXX")
trap 'rm -rf "$root"' EXIT

start=1700000000 warmup=300 period=10 lld=60
term=$((start + 900))
short_outage=(200 230)  # shorter than the time-out: no alarm due
long_outage=(400 520)

# A run of 15 minutes that holds: two instruments recording every period,
# a memory jump inside the warm-up, a descriptor open now and then, no line
# during the outages, lost-link alarms in the long one.
make_good_run() {
  local run=$1 t
  mkdir -p "$run/doc" "$run/program"
  printf 'the document\n' >"$run/doc/plant.qzid"
  cat >"$run/run.env" <<EOF
start=$start
term=$term
ended=term
status=0
warmup=$warmup
period=$period
lld=$lld
doc_sha=$(sha256sum "$run/doc/plant.qzid" | cut -d' ' -f1)
EOF
  awk -v start="$start" -v term="$term" -v warmup="$warmup" 'BEGIN {
    print "time rss_kb cpu_s fds activity_bytes error_bytes sercomm_bytes"
    for (t = start; t <= term; t += 30) {
      rss = t - start < warmup / 2 ? 40000 : 50000 + (t % 7) * 100
      printf "%d %d %d %d %d %d %d\n", t, rss, (t - start) / 10, 20 + (t % 90 == 0), 1000, 200, 0
    }
  }' >"$run/samples.tsv"
  printf '%d %d\n' $((start + short_outage[0])) $((start + short_outage[1])) \
    $((start + long_outage[0])) $((start + long_outage[1])) >"$run/outages.tsv"
  printf '1 TC100 readings 4 settings 3 address-at 1\n2 TH200 readings 5 settings 3 address-at 1\n' \
    >"$run/instruments.txt"
  for a in 1 2; do
    awk -v a="$a" -v start="$start" -v term="$term" -v s1="${short_outage[0]}" -v e1="${short_outage[1]}" \
      -v s2="${long_outage[0]}" -v e2="${long_outage[1]}" 'BEGIN {
      stamp = "%d %s : %s\r\n"
      printf "%d %s ; AA%02XBB\r\n", start + 15, strftime("%H:%M:%S %m/%d/%y", start + 15, 1), a
      for (t = 20; t < term - start; t += 10) {
        if ((t > s1 && t < e1 + 5) || (t > s2 && t < e2 + 5)) continue
        frame = a == 1 ? "00112233" : "0011223344"
        printf stamp, start + t, strftime("%H:%M:%S %m/%d/%y", start + t, 1), frame
      }
    }' >"$run/doc/$(printf 'QZ_Master_Log_%04d.txt' "$a")"
  done
  for a in 1 2; do
    printf '%d 1 1 %d Room 0 Link lost\n%d 0 1 %d Room 0 Link lost\n' \
      $((start + long_outage[0] + lld + 4)) "$a" $((start + long_outage[1] + 3)) "$a" >>"$run/doc/alarms.txt"
  done
  {
    printf '\n%d Application start in TheApp::InitInstance() /x/Vantor\n' "$start"
    printf '%d Opening the document\n' $((start + 1))
    printf '\n%d Application stop in TheApp::ExitInstance()\n' "$term"
  } >"$run/program/QZ_Activity_Log_W.txt"
  for t in 100 300 600; do printf '%d Error in Something(): one\n' $((start + t)); done \
    >"$run/program/QZ_Error_Log_W.txt"
}

# Fault injections, each run inside the copy of the good run.
swap_two_lines() { awk 'NR == 10 { held = $0; next } { print } NR == 11 { print held }' doc/QZ_Master_Log_0001.txt >x && mv x doc/QZ_Master_Log_0001.txt; }
garble_a_line() { sed -i '12s/ : / ? /' doc/QZ_Master_Log_0002.txt; }
other_settings() { sed -i '1s/; AA02BB/; AA01BB/' doc/QZ_Master_Log_0002.txt; }
other_readings() { sed -i '20s/: 00112233/: 0011223344/' doc/QZ_Master_Log_0001.txt; }
leak_descriptors() { awk -v from=$((start + warmup)) 'NR > 1 && $1 >= from { $4 = 20 + int(($1 - from) / 60) } { print }' samples.tsv >x && mv x samples.tsv; }
grow_memory() { awk -v from=$((term - 120)) 'NR > 1 && $1 >= from { $2 = 60000 } { print }' samples.tsv >x && mv x samples.tsv; }
drop_stop_line() { sed -i '/Application stop/d' program/QZ_Activity_Log_W.txt; }
crash() { sed -i 's/^ended=.*/ended=died/; s/^status=.*/status=139/' run.env; drop_stop_line; }
hang() { sed -i 's/^ended=.*/ended=hung/' run.env; drop_stop_line; }
exit_watchdog() { printf 'Vantor4: still running 90000 ms after its main loop ended; it ends now. Where it waited:\n' >>vantor.out; }
gap_outside_outage() { sed -i '60,64d' doc/QZ_Master_Log_0002.txt; }
stall_before_end() { head -n -4 doc/QZ_Master_Log_0001.txt >x && mv x doc/QZ_Master_Log_0001.txt; }
flood_error_log() { for i in $(seq 40); do printf '%d Error in Reading(): again %d\n' $((start + 700)) "$i"; done >>program/QZ_Error_Log_W.txt; }
drop_alarm() { sed -i '/^[0-9]* 1 1 2 /d' doc/alarms.txt; }
change_document() { printf 'x' >>doc/plant.qzid; }

cases=(
  # injection           check that must fail  words of its line
  "swap_two_lines       recordings            before the line before"
  "garble_a_line        recordings            not a recording line"
  "other_settings       recordings            address 1, not 2"
  "other_readings       recordings            readings frame of 5 bytes"
  "leak_descriptors     descriptors           open descriptors went from"
  "grow_memory          memory                resident memory grew"
  "drop_stop_line       stop                  no stop line"
  "crash                stop                  crash:"
  "hang                 stop                  hang:"
  "exit_watchdog        stop                  until its exit watchdog ended it"
  "gap_outside_outage   gaps                  QZ_Master_Log_0002.txt: no readings line"
  "stall_before_end     gaps                  QZ_Master_Log_0001.txt: no readings line"
  "flood_error_log      errors                43 error-log records"
  "drop_alarm           alarms                no lost-link alarm for instrument 2"
  "change_document      document              changed on disk"
)

failures=0
fail() { echo "FAIL: $*"; failures=$((failures + 1)); }

good=$root/good
make_good_run "$good"
if ! out=$(bash "$checker" "$good"); then
  fail "the good run does not pass:"$'\n'"$out"
fi
[ "$(grep -c '^ok ' <<<"$out")" -eq 8 ] || fail "the good run does not pass all eight checks:"$'\n'"$out"

for row in "${cases[@]}"; do
  read -r injection check words <<<"$row"
  run=$root/$injection
  cp -r "$good" "$run"
  (cd "$run" && "$injection")
  out=$(bash "$checker" "$run") && fail "$injection: the checker passed"
  failed=$(grep '^FAIL ' <<<"$out" | awk '{ sub(":", "", $2); print $2 }' | sort -u | tr '\n' ' ')
  [ "$failed" = "$check " ] || fail "$injection: failed [${failed% }], not [$check]:"$'\n'"$out"
  grep -q "^FAIL $check: .*$words" <<<"$out" || fail "$injection: no line of $check with \"$words\":"$'\n'"$out"
done

# A reading that met line faults: one due recording missed, the next one
# written 8 s late. Late is not missing: the run still passes.
late=$root/late_after_a_miss
cp -r "$good" "$late"
awk 'NR == 30 { next } NR == 31 { $1 += 8; $2 = strftime("%H:%M:%S", $1, 1) } { print }' \
  "$late/doc/QZ_Master_Log_0001.txt" >"$late/x" && mv "$late/x" "$late/doc/QZ_Master_Log_0001.txt"
out=$(bash "$checker" "$late") || fail "late_after_a_miss: a late reading after one missed recording fails the run:"$'\n'"$out"

[ "$failures" -eq 0 ] && echo "every check passes the good run and bites on its fault (${#cases[@]} faults)"
[ "$failures" -eq 0 ]
