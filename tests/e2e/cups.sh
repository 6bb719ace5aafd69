# SPDX-FileCopyrightText: 2026 Gitterspor-projektet
# SPDX-License-Identifier: MIT
#
# A private cupsd with one cups-pdf queue, "PDF", the default; PDFDIR is where
# it writes, wait_pdf returns each new file. Sourced after lib.sh.

start_cups() {
    C=$WORK/cups
    mkdir -p "$C"/{etc/ppd,run,spool,tmp,cache,state,log}
    # filters run as the lp user: they must reach the temporary folder
    chmod 0755 "$WORK" "$C"
    chmod 1777 "$C/tmp"
    cat >"$C/etc/cupsd.conf" <<CONF
Listen $C/run/cups.sock
LogLevel warn
WebInterface No
${CUPS_EXTRA_CONF:-}
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
    cat >"$C/etc/cups-files.conf" <<CONF
ServerRoot $C/etc
RequestRoot $C/spool
TempDir $C/tmp
CacheDir $C/cache
StateDir $C/state
ErrorLog $C/log/error_log
AccessLog $C/log/access_log
PageLog $C/log/page_log
SystemGroup root
Sandboxing Relaxed
CONF
    cupsd -f -c "$C/etc/cupsd.conf" -s "$C/etc/cups-files.conf" &
    CUPSD_PID=$!
    PIDS+=($CUPSD_PID)
    export CUPS_SERVER=$C/run/cups.sock
    wait_for 10 eval 'lpstat -r 2>/dev/null | grep -q "is running"'
    lpadmin -p PDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd || { fail "the PDF queue is set up"; cat "$C/log/error_log"; exit 1; }
    lpadmin -d PDF
    # cups-pdf writes into the home folder that the password database names
    PDFDIR=$(getent passwd "$(id -un)" | cut -d: -f6)/PDF
    mkdir -p "$PDFDIR"
    STAMP=$WORK/stamp
    touch "$STAMP"
}

# Waits for the queue to empty and returns the newest PDF written since
# $STAMP, once it reads as a whole PDF.
wait_pdf() { # [seconds]
    wait_for "${1:-15}" new_pdf || return 1
    touch "$STAMP"
    echo "$PDF"
}
new_pdf() {
    PDF=$(find "$PDFDIR" -name '*.pdf' -newer "$STAMP" -printf '%T@ %p\n' 2>/dev/null | sort -n | tail -n 1 | cut -d' ' -f2-)
    [ -n "$PDF" ] && [ -z "$(lpstat -o 2>/dev/null)" ] && pdfinfo "$PDF" >/dev/null 2>&1
}
