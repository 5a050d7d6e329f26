#!/usr/bin/env bash
# Printing through the system's print service, for real: a cupsd of the test's own (its
# own configuration, spool and socket; the system's service and queues are not touched)
# with a queue as a user sets one up for a network printer that prints PDF: the
# "Generic PDF Printer" description of cups-filters on an AppSocket (port 9100 style)
# connection. The printer at the other end is a small listener that keeps each job's
# PDF as a PDF printer's interpreter reads it (the PJL envelope around it taken off).
# cups_print_checker prints a reading and a calendar month on it through the program's
# print path and compares the text of every page with the program's PDF export.
# Skips (status 77) where such a cupsd cannot run.
#   cups_print_test.sh CHECKER   (NUVARO_BIN_DIR names the built program folder)
set -euo pipefail
checker=$1
skip() { echo "SKIP: $*"; exit 77; }

cupsd=$(command -v cupsd || true)
[ -x /usr/sbin/cupsd ] && cupsd=/usr/sbin/cupsd
[ -n "$cupsd" ] || skip "cupsd is not installed (Debian package cups)"
[ -x /usr/lib/cups/backend/socket ] || skip "the AppSocket backend of cups is not installed"
ppd=/usr/share/ppd/cupsfilters/Generic-PDF_Printer-PDF.ppd
[ -f "$ppd" ] || skip "the printer description $ppd is missing (Debian package cups-filters)"
python=$(command -v python3 || true)
[ -n "$python" ] || skip "python3 is missing (it plays the printer)"
# The print service started by root runs its filters as its own user (lp); started by
# another user it would need a configuration of its own for that user's rights.
[ "$(id -u)" -eq 0 ] || skip "the test's own cupsd needs root (run the tests as root, as CI does)"

work=$(mktemp -d)
queue=nuvaro-test-$$
cupsd_pid=
printer_pid=
cleanup() {
  # Ended by a signal, they answer wait with a non-zero status: not the test's.
  [ -n "$cupsd_pid" ] && kill "$cupsd_pid" 2>/dev/null && wait "$cupsd_pid" 2>/dev/null || true
  [ -n "$printer_pid" ] && kill "$printer_pid" 2>/dev/null && wait "$printer_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
# The filters run as the service's user (lp): they must reach the spool.
chmod 755 "$work"
mkdir -p "$work"/{etc/ppd,etc/ssl,spool,tmp,cache,state,log,out}
chmod 1777 "$work/tmp"
socket=$work/cups.sock
cat >"$work/etc/cupsd.conf" <<CONF
Listen $socket
LogLevel warn
Browsing No
DefaultPolicy test
<Policy test>
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
cat >"$work/etc/cups-files.conf" <<CONF
ServerRoot $work/etc
RequestRoot $work/spool
TempDir $work/tmp
CacheDir $work/cache
StateDir $work/state
AccessLog $work/log/access_log
ErrorLog $work/log/error_log
PageLog $work/log/page_log
CONF

# The printer: takes one job per connection on a port of its own choosing (written to
# the file "port"), keeps the PDF between the PJL envelope's "%PDF-" and the last
# "%%EOF" (a job without them is kept as it came), and puts it into out/ only when the
# job is whole.
"$python" - "$work/out" "$work/port" <<'PRINTER' &
import os, socket, sys
out, port_file = sys.argv[1], sys.argv[2]
server = socket.create_server(("127.0.0.1", 0))
with open(port_file + ".part", "w") as f:
    f.write(str(server.getsockname()[1]))
os.rename(port_file + ".part", port_file)
job = 0
while True:
    connection, _ = server.accept()
    with connection:
        data = b"".join(iter(lambda: connection.recv(65536), b""))
    job += 1
    start, end = data.find(b"%PDF-"), data.rfind(b"%%EOF")
    body = data[start:end + 5] + b"\n" if 0 <= start < end else data
    with open(os.path.join(out, ".part"), "wb") as f:
        f.write(body)
    os.rename(os.path.join(out, ".part"), os.path.join(out, "job-%d.pdf" % job))
PRINTER
printer_pid=$!
for _ in $(seq 1 100); do
  [ -f "$work/port" ] && break
  kill -0 "$printer_pid" 2>/dev/null || skip "the listener that plays the printer ended at start"
  sleep 0.1
done
[ -f "$work/port" ] || skip "the listener that plays the printer did not start"

"$cupsd" -f -c "$work/etc/cupsd.conf" -s "$work/etc/cups-files.conf" &
cupsd_pid=$!
export CUPS_SERVER=$socket
for _ in $(seq 1 100); do
  lpstat -r >/dev/null 2>&1 && break
  kill -0 "$cupsd_pid" 2>/dev/null || { cat "$work/log/error_log" 2>/dev/null; skip "cupsd ended at start"; }
  sleep 0.1
done
lpstat -r >/dev/null 2>&1 || skip "cupsd did not answer on $socket"
# A4, as a printer in Japan is set up and as the program's PDF export prints by default.
lpadmin -p "$queue" -E -v "socket://127.0.0.1:$(cat "$work/port")" -P "$ppd" -o PageSize=A4 ||
  { cat "$work/log/error_log"; exit 1; }

status=0
NUVARO_CUPS_QUEUE=$queue NUVARO_CUPS_OUTPUT=$work/out QT_QPA_PLATFORM=offscreen "$checker" || status=$?
if [ "$status" -ne 0 ]; then
  echo "--- cupsd error log" >&2
  cat "$work/log/error_log" >&2 2>/dev/null || true
fi
exit "$status"
