#!/usr/bin/env bash
# Judges a soak run of the monitor from the files it left in RUN (written by
# vantor-soak.sh): prints one line per check, "ok CHECK: ..." or
# "FAIL CHECK: why", and ends non-zero when a check failed.
#   soak-check.sh RUN
#
# RUN holds:
#   run.env          key=value: start, term (SIGTERM sent, or when the
#                    monitor was found ended), ended (term, died or hung),
#                    status, warmup (s), period (recording period, s), lld
#                    (lost-link time-out, s), doc_sha (the document's sha256
#                    at the start)
#   samples.tsv      time rss_kb cpu_s fds activity_bytes error_bytes
#                    sercomm_bytes, a header line first
#   outages.tsv      start end, one line per outage of the line
#   instruments.txt  the simulator's instrument lines: address type
#                    readings BYTES settings BYTES address-at OFFSET
#   doc/             the document, its recording files, alarms.txt
#   program/         the monitor's log files
#
# The rules:
#   stop         the monitor ran to the SIGTERM, ended within the grace time
#                by itself (not by its exit watchdog) and wrote its stop line
#                after its start line;
#   memory       resident memory at the end (the median of the last three
#                samples) at most 10 % above the first sample after the
#                warm-up;
#   descriptors  open descriptors at the end (the fewest of the last three
#                samples) at most 2 above the fewest of the first three after
#                the warm-up;
#   recordings   every line well formed, times never going back, every frame
#                of the length of its own instrument's frames, every
#                settings frame holding its own instrument's address;
#   gaps         no two readings lines (nor the last one and the end) more
#                than two recording periods apart, each taken at the due time
#                of the period it falls in (a reading delayed by line faults
#                is late, not missing), unless an outage or the time it takes
#                to come back (two periods) falls between them;
#   errors       at most one error-log record a minute on average;
#   alarms       a lost-link alarm for every instrument in every outage
#                longer than the time-out plus 15 s, raised during it or
#                within 10 s of its end;
#   document     the document's bytes as they were at the start.
set -uo pipefail
run=${1:?usage: soak-check.sh RUN}
failures=0
fail() {
  echo "FAIL $1: $2"
  failures=$((failures + 1))
}
ok() { echo "ok $1: $2"; }
# Fails the check once for each line of the text; false when there was one.
fail_each() {
  local line
  [ -n "$2" ] || return 0
  while IFS= read -r line; do fail "$1" "$line"; done <<<"$2"
  return 1
}

declare -A setting=()
while IFS='=' read -r key value; do
  [ -n "$key" ] && setting[$key]=$value
done <"$run/run.env"
for key in start term ended warmup period lld doc_sha; do
  if [ -z "${setting[$key]:-}" ]; then
    echo "FAIL setup: $run/run.env gives no $key"
    exit 1
  fi
done
start=${setting[start]} term=${setting[term]} ended=${setting[ended]} warmup=${setting[warmup]}
period=${setting[period]} lld=${setting[lld]} doc_sha=${setting[doc_sha]} status=${setting[status]:-}

# A log file and, where it was rotated, the part before, in order.
log_text() {
  local f
  for f in "$run/program/$1.1" "$run/program/$1"; do
    [ ! -f "$f" ] || cat "$f"
  done
}

check_stop() {
  case "$ended" in
    died) fail stop "crash: the monitor ended at $(date -u -d "@$term" +%T) before SIGTERM (status ${status:-?})"; return ;;
    hung) fail stop "hang: the monitor still ran after SIGTERM and its grace time"; return ;;
  esac
  if log_text QZ_Activity_Log_W.txt | awk '
      /Application start in TheApp::InitInstance\(\)/ { stopped = 0; started = 1 }
      /Application stop in TheApp::ExitInstance\(\)/ { stopped = started }
      END { exit !stopped }'; then
    if grep -q "after its main loop ended; it ends now" "$run/vantor.out" 2>/dev/null; then
      fail stop "hang: the monitor stayed after its main loop until its exit watchdog ended it; where it waited is in vantor.out"
    else
      ok stop "ended on SIGTERM with its stop line"
    fi
  else
    fail stop "no stop line after the start line in the activity log (crash or hang)"
  fi
}

# One column of the samples (2 resident memory, 4 descriptors) from the
# first sample after the warm-up on.
after_warmup() { awk -v from=$((start + warmup)) -v col="$1" 'NR > 1 && $1 >= from { print $col }' "$run/samples.tsv"; }
# Fails the check when too few samples came after the warm-up to judge it.
enough_samples() {
  local n
  n=$(grep -c . <<<"$2")
  [ "$n" -ge 4 ] && return 0
  fail "$1" "only $n samples after the warm-up of ${warmup} s"
  return 1
}

check_memory() {
  local rss
  rss=$(after_warmup 2)
  enough_samples memory "$rss" || return
  # The median of the last three samples against the first.
  set -- $(awk '{ v[n++] = $1 }
    END {
      a = v[n - 3]; b = v[n - 2]; c = v[n - 1]
      median = (a > b) == (a < c) ? a : (b > a) == (b < c) ? b : c
      printf "%s %d %d %.1f\n", (median > 1.10 * v[0] ? "grew" : "held"), v[0], median, 100 * (median / v[0] - 1)
    }' <<<"$rss")
  if [ "$1" = grew ]; then
    fail memory "resident memory grew $4 % after the warm-up ($2 kB to $3 kB)"
  else
    ok memory "$2 kB after the warm-up, $3 kB at the end ($4 %)"
  fi
}

check_descriptors() {
  local fds
  fds=$(after_warmup 4)
  enough_samples descriptors "$fds" || return
  # The fewest of the first three against the fewest of the last three: a
  # port or a recording file open at the moment of a sample is no leak.
  set -- $(awk '{ v[n++] = $1 }
    END {
      first = v[0]; for (i = 1; i < 3; ++i) if (v[i] < first) first = v[i]
      last = v[n - 1]; for (i = n - 3; i < n - 1; ++i) if (v[i] < last) last = v[i]
      print first, last
    }' <<<"$fds")
  if [ "$2" -gt $(($1 + 2)) ]; then
    fail descriptors "open descriptors went from $1 after the warm-up to $2 at the end"
  else
    ok descriptors "$1 after the warm-up, $2 at the end"
  fi
}

# file address readings-bytes settings-bytes address-offset, per instrument.
recording_files() {
  awk '$3 == "readings" { printf "%s/doc/QZ_Master_Log_%04d.txt %d %d %d %d\n", run, $1, $1, $4, $6, $8 }' \
    run="$run" "$run/instruments.txt"
}

check_recordings() {
  local file address rbytes sbytes at problems bad=0 lines=0
  while read -r file address rbytes sbytes at; do
    if [ ! -s "$file" ]; then
      fail recordings "no recording file for instrument $address ($(basename "$file"))"
      bad=1
      continue
    fi
    problems=$(tr -d '\r' <"$file" | awk -v name="$(basename "$file")" -v address="$address" \
      -v rbytes="$rbytes" -v sbytes="$sbytes" -v at="$at" '
      function say(what) { print name " line " NR ": " what; ++said }
      function hex(h) { return 16 * index("0123456789ABCDEF", substr(h, 1, 1)) - 17 + index("0123456789ABCDEF", substr(h, 2, 1)) }
      said >= 5 { exit }
      !/^[0-9]+ [0-9][0-9]:[0-9][0-9]:[0-9][0-9] [0-9][0-9]\/[0-9][0-9]\/[0-9][0-9] [:;] [0-9A-F]*$/ {
        say("not a recording line: " $0); next
      }
      {
        if ($1 + 0 < last) say("time " $1 " before the line before (" last ")")
        last = $1 + 0
        bytes = length($5) / 2
        if ($4 == ":") {
          ++readings
          if (bytes != rbytes) say("a readings frame of " bytes " bytes; instrument " address "\x27s have " rbytes)
        } else {
          if (bytes != sbytes) say("a settings frame of " bytes " bytes; instrument " address "\x27s have " sbytes)
          else if (at >= 0 && substr($5, 2 * at + 1, 2) != sprintf("%02X", address % 256))
            say("a settings frame of address " hex(substr($5, 2 * at + 1, 2)) ", not " address)
        }
      }
      END { if (!readings && !said) print name ": no readings line" }')
    lines=$((lines + $(wc -l <"$file")))
    fail_each recordings "$problems" || bad=1
  done < <(recording_files)
  [ "$bad" -eq 0 ] && ok recordings "$lines lines in order, each with its own instrument's frame"
}

check_gaps() {
  local file address rest problems bad=0
  while read -r file address rest; do
    [ -s "$file" ] || continue
    problems=$( { awk '{ print "outage", $1, $2 }' "$run/outages.tsv" 2>/dev/null
                  tr -d '\r' <"$file" | awk '$4 == ":" { print "line", $1 }'
                  echo "end $term"; } |
      awk -v name="$(basename "$file")" -v period="$period" '
        $1 == "outage" { s[n] = $2; e[n++] = $3; next }
        {
          t = $2
          # A line is counted at the due time it was written for: a reading
          # that met line faults comes seconds late, which is no gap.
          if (seen && (t - t % period) - (last - last % period) > 2 * period) {
            excused = 0
            for (i = 0; i < n; ++i) if (last < e[i] + 2 * period && t > s[i]) excused = 1
            if (!excused)
              printf "%s: no readings line from %s to %s (%d s) outside an outage\n", name,
                strftime("%H:%M:%S", last, 1), strftime("%H:%M:%S", t, 1), t - last
          }
          last = t; seen = 1
        }')
    fail_each gaps "$problems" || bad=1
  done < <(recording_files)
  [ "$bad" -eq 0 ] && ok gaps "no readings gap longer than $((2 * period)) s (between due times) outside the outages"
}

check_errors() {
  local records minutes
  records=$(log_text QZ_Error_Log_W.txt | grep -c '^[0-9]\{9,\} ')
  minutes=$(( (term - start + 59) / 60 ))
  [ "$minutes" -ge 1 ] || minutes=1
  if [ "$records" -gt "$minutes" ]; then
    fail errors "$records error-log records in $minutes minutes"
  else
    ok errors "$records error-log records in $minutes minutes"
  fi
}

check_alarms() {
  local s e address bad=0 long=0
  while read -r s e; do
    [ $((e - s)) -gt $((lld + 15)) ] || continue
    long=$((long + 1))
    while read -r address; do
      if ! awk -v a="$address" -v s="$s" -v e="$e" '
          $2 == 1 && $3 == 1 && $4 == a && $1 >= s && $1 <= e + 10 { found = 1 }
          END { exit !found }' "$run/doc/alarms.txt" 2>/dev/null; then
        fail alarms "no lost-link alarm for instrument $address in the outage from $(date -u -d "@$s" +%T) to $(date -u -d "@$e" +%T) ($((e - s)) s, time-out $lld s)"
        bad=1
      fi
    done < <(awk '$3 == "readings" { print $1 }' "$run/instruments.txt")
  done < <(cat "$run/outages.tsv" 2>/dev/null)
  [ "$bad" -eq 0 ] && ok alarms "a lost-link alarm for every instrument in each of $long outages longer than the time-out"
}

check_document() {
  local now
  now=$(sha256sum "$run/doc/plant.qzid" 2>/dev/null | cut -d' ' -f1)
  if [ "$now" = "$doc_sha" ]; then
    ok document "unchanged on disk"
  else
    fail document "the document changed on disk"
  fi
}

check_stop
check_memory
check_descriptors
check_recordings
check_gaps
check_errors
check_alarms
check_document
[ "$failures" -eq 0 ]
