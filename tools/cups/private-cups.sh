#!/usr/bin/env bash
# A print queue of the tests' own: a private cupsd with its configuration,
# spool, temporary, cache, state and log folders in one folder, a PDF
# printer (cups-pdf) made its default queue, and the PDFs written into a
# folder of that same folder. The machine's own print service and queues
# are never touched.
#
#   private-cups.sh start DIR   starts it; prints the two settings below
#                               as NAME=VALUE lines:
#                                 CUPS_SERVER   the server's socket, for
#                                               the programs that print
#                                 CUPS_PDF_DIR  where the queue's PDFs land
#   private-cups.sh stop DIR    ends the server started in DIR
#
# The queue is called "VantorPDF"; each job becomes a file whose name
# starts with the job's title and ends in -job_ID.pdf.
set -euo pipefail

queue=VantorPDF
cmd=${1:-}
dir=${2:-}
if [ -z "$cmd" ] || [ -z "$dir" ]; then
  echo "usage: $0 start|stop DIR" >&2
  exit 2
fi

stop() {
  [ -f "$dir/cupsd.pid" ] || return 0
  local pid
  pid=$(cat "$dir/cupsd.pid")
  if kill "$pid" 2>/dev/null; then
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null || true
  fi
  rm -f "$dir/cupsd.pid"
}

if [ "$cmd" = stop ]; then
  stop
  exit 0
fi
[ "$cmd" = start ] || { echo "unknown command: $cmd" >&2; exit 2; }

for tool in cupsd lpadmin lpstat; do
  command -v "$tool" >/dev/null || { echo "$tool is missing (cups-daemon, cups-client)" >&2; exit 1; }
done
real_backend=/usr/lib/cups/backend/cups-pdf
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -x "$real_backend" ] && [ -f "$ppd" ] || { echo "cups-pdf is missing (printer-driver-cups-pdf)" >&2; exit 1; }

mkdir -p "$dir"
dir=$(cd "$dir" && pwd)
# A Unix socket's path holds at most 107 bytes.
if [ ${#dir} -gt 90 ]; then echo "folder name too long for a socket: $dir" >&2; exit 1; fi
mkdir -p "$dir"/{spool,tmp,cache,state,log,ppd,pdf,cups-pdf-spool,bin/backend}
# The filters run as the unprivileged user lp: they read the queue's PPD
# under the folder and write into the temporary and cups-pdf spool folders.
chmod 755 "$dir" "$dir/ppd" "$dir/bin" "$dir/bin/backend"
chmod 1777 "$dir/tmp" "$dir/cups-pdf-spool" "$dir/pdf"
for part in filter driver daemon cgi-bin monitor notifier; do
  [ -e /usr/lib/cups/$part ] && ln -sfn /usr/lib/cups/$part "$dir/bin/$part"
done

# cups-pdf reads its settings only from the system's folder: the backend
# sees its own settings there in a mount namespace of its own. Where that
# is not allowed, the PDFs land in PDF of the job owner's home instead.
cat >"$dir/cups-pdf.conf" <<CONF
Out $dir/pdf
AnonDirName $dir/pdf
Spool $dir/cups-pdf-spool
Label 1
UserUMask 0022
Grp root
CONF
chmod 644 "$dir/cups-pdf.conf"
cat >"$dir/bin/backend/cups-pdf" <<WRAP
#!/bin/sh
if [ \$# -gt 0 ] && unshare -m true 2>/dev/null; then
  exec unshare -m sh -c 'mount --bind "$dir/cups-pdf.conf" /etc/cups/cups-pdf.conf && exec "$real_backend" "\$@"' sh "\$@"
fi
exec "$real_backend" "\$@"
WRAP
# Mode 700 and root: cupsd runs such a backend as root, as cups-pdf needs.
chmod 700 "$dir/bin/backend/cups-pdf"

cat >"$dir/cups-files.conf" <<CONF
ServerRoot $dir
RequestRoot $dir/spool
TempDir $dir/tmp
CacheDir $dir/cache
StateDir $dir/state
ServerBin $dir/bin
DataDir /usr/share/cups
DocumentRoot /usr/share/cups/doc-root
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
User lp
Group lp
SystemGroup root
FileDevice No
CONF
cat >"$dir/cupsd.conf" <<CONF
Listen $dir/cups.sock
LogLevel warn
WebInterface No
Browsing No
BrowseLocalProtocols none
DefaultAuthType None
JobRetryLimit 0
PreserveJobFiles No
<Location />
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF
chmod 644 "$dir/cupsd.conf" "$dir/cups-files.conf"

stop
setsid cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" </dev/null >"$dir/log/cupsd.out" 2>&1 &
echo $! >"$dir/cupsd.pid"
export CUPS_SERVER="$dir/cups.sock"
for _ in $(seq 100); do
  [ -S "$CUPS_SERVER" ] && lpstat -r >/dev/null 2>&1 && break
  sleep 0.1
done
if ! lpstat -r >/dev/null 2>&1; then
  echo "the private cupsd did not start; see $dir/log" >&2
  cat "$dir/log/cupsd.out" "$dir/log/error_log" >&2 2>/dev/null || true
  stop
  exit 1
fi
# -P with a PPD file is what the driver offers; the deprecation warning is noise.
# Poppler turns the jobs into PostScript: Ghostscript's way draws the text as
# outlines, and the PDF would hold no text to read back.
lpadmin -p "$queue" -v cups-pdf:/ -E -P "$ppd" -o pdftops-renderer-default=pdftops 2>/dev/null
lpadmin -d "$queue"
echo "CUPS_SERVER=$CUPS_SERVER"
echo "CUPS_PDF_DIR=$dir/pdf"
