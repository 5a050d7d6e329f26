#!/usr/bin/env bash
# Printing through the system's print service, for real: a cupsd of the test's own (its
# own configuration, spool and socket; the system's service and queues are not touched)
# with a cups-pdf queue, on which cups_print_checker prints a reading and a calendar month
# through the program's print path and compares the PDF the queue writes with the
# program's PDF export. Skips (status 77) where such a cupsd cannot run.
#   cups_print_test.sh CHECKER   (NUVARO_BIN_DIR names the built program folder)
set -euo pipefail
checker=$1
skip() { echo "SKIP: $*"; exit 77; }

cupsd=$(command -v cupsd || true)
[ -x /usr/sbin/cupsd ] && cupsd=/usr/sbin/cupsd
[ -n "$cupsd" ] || skip "cupsd is not installed (Debian package cups)"
[ -x /usr/lib/cups/backend/cups-pdf ] || skip "the cups-pdf backend is not installed (printer-driver-cups-pdf)"
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
[ -f "$ppd" ] || skip "the cups-pdf printer description $ppd is missing"
# cupsd starts the cups-pdf backend as root only when it runs as root itself, and the
# backend reads its settings from /etc/cups.
[ "$(id -u)" -eq 0 ] || skip "a cupsd with a cups-pdf queue needs root (run the tests as root, as CI does)"

work=$(mktemp -d)
queue=nuvaro-test-$$
backend_conf=/etc/cups/cups-pdf-$queue.conf
cupsd_pid=
cleanup() {
  [ -n "$cupsd_pid" ] && kill "$cupsd_pid" 2>/dev/null && wait "$cupsd_pid" 2>/dev/null
  rm -f "$backend_conf"
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
cat >"$backend_conf" <<CONF
Out $work/out
AnonDirName $work/out
Spool $work/spool/cups-pdf
Log $work/log
CONF

"$cupsd" -f -c "$work/etc/cupsd.conf" -s "$work/etc/cups-files.conf" &
cupsd_pid=$!
export CUPS_SERVER=$socket
for _ in $(seq 1 100); do
  lpstat -r >/dev/null 2>&1 && break
  kill -0 "$cupsd_pid" 2>/dev/null || { cat "$work/log/error_log" 2>/dev/null; skip "cupsd ended at start"; }
  sleep 0.1
done
lpstat -r >/dev/null 2>&1 || skip "cupsd did not answer on $socket"
lpadmin -p "$queue" -E -v "cups-pdf:/$queue" -P "$ppd" || { cat "$work/log/error_log"; exit 1; }

status=0
NUVARO_CUPS_QUEUE=$queue NUVARO_CUPS_OUTPUT=$work/out QT_QPA_PLATFORM=offscreen "$checker" || status=$?
if [ "$status" -ne 0 ]; then
  echo "--- cupsd error log" >&2
  cat "$work/log/error_log" >&2 2>/dev/null || true
fi
exit "$status"
