#!/usr/bin/env bash
# The print switches of the real program against a print queue of the tests'
# own: "Vantor /p DOCUMENT" prints the document's first view on the default
# queue, "Vantor -pt DOCUMENT PRINTER" on the named one, and each ends with 0
# once the queue holds the job; the PDF the queue makes is read back and
# rasterized. A run that cannot print ends with another status and one line
# on standard error. The document's file and folder stay as they were.
#   vantor-print.sh VANTOR DEMO_DOCUMENT ARTIFACT_DIR
# The queue is the one CUPS_SERVER names (its PDFs in CUPS_PDF_DIR); without
# it the script starts its own with tools/cups/private-cups.sh.
set -uo pipefail
vantor=$1 demo=$2 artifacts=$3
here=$(cd "$(dirname "$0")" && pwd)
private_cups=$here/../../tools/cups/private-cups.sh
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
skip=77

if [ -z "${DISPLAY:-}" ]; then
  echo "FAIL: the print test needs a display: run it under xvfb-run (tools/test.sh does)." >&2
  exit 1
fi
for tool in pdftotext pdftoppm pdfinfo convert lpstat lpadmin cupsreject; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (tools/install-deps.sh installs it)" >&2; exit 1; }
done

work=$(mktemp -d /tmp/vantor-print-XXXXXX)
# The queue's filters run as another user and pass through this folder.
chmod 755 "$work"
servers=()
queues_added=()
cleanup() {
  for queue in "${queues_added[@]}"; do lpadmin -x "$queue" 2>/dev/null; done
  for dir in "${servers[@]}"; do bash "$private_cups" stop "$dir" >/dev/null 2>&1; done
  [ -n "${KEEP:-}" ] || rm -rf "$work"
}
trap cleanup EXIT
failures=0
fail() { echo "FAIL: $*" >&2; failures=$((failures + 1)); }

# Starts a private queue in $1 and exports its settings; fails when it cannot.
start_cups() {
  local settings
  settings=$(bash "$private_cups" start "$1") || return 1
  servers+=("$1")
  while IFS='=' read -r name value; do export "$name=$value"; done <<<"$settings"
}
if [ -z "${CUPS_SERVER:-}" ]; then
  if ! start_cups "$work/cups" >"$work/cups-start.out" 2>&1; then
    echo "SKIP: no print queue: CUPS_SERVER is not set and tools/cups/private-cups.sh could not start one:" >&2
    cat "$work/cups-start.out" >&2
    exit $skip
  fi
fi
if ! lpstat -r >/dev/null 2>&1; then
  echo "FAIL: the print service at CUPS_SERVER=$CUPS_SERVER does not answer" >&2
  exit 1
fi
default_queue=$(lpstat -d 2>/dev/null | sed -n 's/^system default destination: //p')
[ -n "$default_queue" ] || { echo "FAIL: the queue at $CUPS_SERVER has no default printer" >&2; exit 1; }
add_queue() {
  lpadmin -p "$1" -v cups-pdf:/ -E -P "$ppd" -o pdftops-renderer-default=pdftops 2>/dev/null ||
    { echo "FAIL: cannot add the queue $1" >&2; exit 1; }
  queues_added+=("$1")
}
# A second queue, so that a print to a named printer shows where it went,
# and a third that takes no job.
named_queue=VantorPrintTo$$
refusing_queue=VantorRefuses$$
add_queue "$named_queue"
add_queue "$refusing_queue"
cupsreject "$refusing_queue" 2>/dev/null || { echo "FAIL: cannot make $refusing_queue refuse jobs" >&2; exit 1; }

program=$work/program
mkdir -p "$program" "$work/home" "$artifacts"
cp "$vantor" "$program/Vantor"
cp -r "$(dirname "$vantor")/XML" "$(dirname "$vantor")/Scripts" "$program/"
export HOME=$work/home NO_AT_BRIDGE=1 GSETTINGS_BACKEND=memory GDK_BACKEND=x11
doc_dir=$work/plant
mkdir -p "$doc_dir"
cp "$demo" "$doc_dir/plant.qzid"
doc=$doc_dir/plant.qzid
# The same document in Italian (language 1).
sed '/<WrapSize_t_lng_/,/<\/WrapSize_t_lng_>/ s|<ul>0</ul>|<ul>1</ul>|' "$demo" >"$doc_dir/piano.qzid"
doc_it=$doc_dir/piano.qzid
cmp -s "$demo" "$doc_it" && { echo "FAIL: the Italian copy is the same document" >&2; exit 1; }
printf 'not a document' >"$work/broken.qzid"

# Names and contents of everything in the document's folder.
folder_state() { (cd "$doc_dir" && find . -type f -print0 | sort -z | xargs -0 md5sum); }
# The highest id of this user's jobs on queue $1, finished ones included.
last_job() {
  lpstat -W all -o "$1" 2>/dev/null | awk -v q="$1" '{ n = $1; sub("^" q "-", "", n); if (n + 0 > max) max = n + 0 } END { print max + 0 }'
}
owner_home=$(getent passwd "$(id -un)" | cut -d: -f6)
# The PDF the queue made of job $1 (cups-pdf names it ...-job_ID.pdf).
job_pdf() {
  local dir
  for dir in "${CUPS_PDF_DIR:-}" "$owner_home/PDF"; do
    [ -n "$dir" ] && [ -d "$dir" ] && find "$dir" -maxdepth 1 -name "*-job_$1.pdf" | head -n 1
  done | head -n 1
}
wait_for_pdf() {
  local pdf
  for _ in $(seq 300); do
    pdf=$(job_pdf "$1")
    # The file is whole once pdftotext reads it.
    [ -n "$pdf" ] && pdftotext "$pdf" - >/dev/null 2>&1 && { echo "$pdf"; return 0; }
    sleep 0.1
  done
  return 1
}
# Runs the program with the arguments; sets status, out and err.
run_vantor() {
  timeout 120 "$program/Vantor" "$@" >"$work/out" 2>"$work/err"
  status=$?
}

before_all=$(folder_state)

echo "-- prints that reach their queue"
# The first view: the options of the document's three instruments.
words_en="Options;Active;Cold room;Ripening room;Store"
words_it="Opzioni;Attivo;Cold room;Ripening room;Store"
# name | queue | arguments (DOC: the document, DOC_IT: the Italian one) | words on the page
prints=(
  "default printer|$default_queue|/p DOC|$words_en"
  "default printer, dash|$default_queue|-p DOC|$words_en"
  "named printer|$named_queue|/pt DOC $named_queue|$words_en"
  "named printer, Italian|$named_queue|-pt DOC_IT $named_queue|$words_it"
)
for row in "${prints[@]}"; do
  IFS='|' read -r name queue args words <<<"$row"
  echo "   $name"
  other=$default_queue
  [ "$queue" = "$default_queue" ] && other=$named_queue
  before=$(last_job "$queue") before_other=$(last_job "$other")
  args=${args//DOC_IT/$doc_it}
  read -ra argv <<<"${args//DOC/$doc}"
  run_vantor "${argv[@]}"
  [ "$status" -eq 0 ] || fail "$name: status $status, standard error: $(cat "$work/err")"
  [ -s "$work/err" ] && fail "$name: standard error not empty: $(cat "$work/err")"
  after=$(last_job "$queue")
  [ "$(last_job "$other")" = "$before_other" ] || fail "$name: a job went to $other"
  if [ "$after" -le "$before" ]; then
    fail "$name: no job on $queue"
    continue
  fi
  pdf=$(wait_for_pdf "$after") || { fail "$name: no PDF of job $after"; continue; }
  text=$(pdftotext -layout "$pdf" - 2>/dev/null)
  IFS=';' read -ra expected_words <<<"$words"
  for word in "${expected_words[@]}"; do
    grep -qF "$word" <<<"$text" || fail "$name: \"$word\" is not on the printed page: $text"
  done
  pages=$(pdfinfo "$pdf" 2>/dev/null | sed -n 's/^Pages: *//p')
  [ "${pages:-0}" -ge 1 ] || fail "$name: the PDF has no page"
  png="$artifacts/print-switch-${name//[ ,]/-}"
  pdftoppm -png -r 60 -f 1 -l 1 -singlefile "$pdf" "$png"
  [ "$(convert "$png.png" -format '%k' info: 2>/dev/null || echo 0)" -gt 1 ] || fail "$name: the page is blank"
  [ "$(folder_state)" = "$before_all" ] || fail "$name: the document's folder changed"
done

echo "-- runs that cannot print"
# A print service without any printer, and one that is not there.
empty_dir=$work/empty-cups
empty_server=$empty_dir/cups.sock
if bash "$private_cups" start "$empty_dir" >/dev/null 2>&1; then
  servers+=("$empty_dir")
  CUPS_SERVER=$empty_server lpadmin -x VantorPDF 2>/dev/null || fail "cannot empty the second print service"
else
  fail "cannot start a print service without printers"
fi
# name | CUPS_SERVER for the run (empty: the queue's) | arguments | the line
refusals=(
  "unknown printer||/pt DOC NoSuchPrinter|$doc: there is no printer named \"NoSuchPrinter\""
  "unknown printer, Italian||/pt DOC_IT NoSuchPrinter|$doc_it: non esiste una stampante di nome \"NoSuchPrinter\""
  "named printer missing||-pt DOC|$doc: there is no printer named \"\""
  "missing document||/p $work/missing.qzid|$work/missing.qzid: the file does not exist"
  "damaged document||/p $work/broken.qzid|$work/broken.qzid: the file is damaged or is not a document of this program"
  "a folder for a document||/p $work|$work: the file cannot be read"
  "no document||/p|no document given to print"
  "queue refusing jobs||-pt DOC $refusing_queue|$doc: the print did not reach the printer \"$refusing_queue\""
  "no printer at all|$empty_server|/p DOC|$doc: there is no printer to print on"
  "no print service|$work/nothing.sock|/p DOC|$doc: the print service does not answer"
)
for row in "${refusals[@]}"; do
  IFS='|' read -r name server args expected <<<"$row"
  echo "   $name"
  before=$(last_job "$default_queue") before_named=$(last_job "$named_queue")
  args=${args//DOC_IT/$doc_it}
  read -ra argv <<<"${args//DOC/$doc}"
  if [ -n "$server" ]; then
    CUPS_SERVER=$server run_vantor "${argv[@]}"
  else
    run_vantor "${argv[@]}"
  fi
  [ "$status" -ne 0 ] || fail "$name: status 0"
  [ "$status" -eq 124 ] && fail "$name: the program did not end"
  lines=$(wc -l <"$work/err")
  [ "$lines" -eq 1 ] || fail "$name: $lines lines on standard error: $(cat "$work/err")"
  [ "$(head -n 1 "$work/err")" = "$expected" ] || fail "$name: standard error says \"$(cat "$work/err")\", not \"$expected\""
  [ "$(last_job "$default_queue")" = "$before" ] && [ "$(last_job "$named_queue")" = "$before_named" ] ||
    fail "$name: a job reached a queue"
  [ "$(folder_state)" = "$before_all" ] || fail "$name: the document's folder changed"
done

activity=$program/QZ_Activity_Log_W.txt
starts=$(grep -c "Application start in TheApp::InitInstance()" "$activity")
stops=$(grep -c "Application stop in TheApp::ExitInstance()" "$activity")
[ "$starts" -eq "$stops" ] || fail "$starts starts but $stops stops in the activity log"

if [ "$failures" -gt 0 ]; then
  echo "--- activity log"; cat "$activity"
  echo "--- error log"; cat "$program/QZ_Error_Log_W.txt" 2>/dev/null
  exit 1
fi
echo "all rows hold"
