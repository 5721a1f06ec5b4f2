#!/usr/bin/env bash
# A CUPS print server with a PDF printer (printer-driver-cups-pdf) for the print tests.
#
#   cups.sh start [OWNER_PID]  starts cupsd when none runs, creates the queue when it is missing,
#                              makes it the default printer when there is none, and waits until
#                              the queue accepts jobs
#   cups.sh stop [OWNER_PID]   undoes what start did, once no owner is left
#   cups.sh printer-name       the queue's name
#   cups.sh output-dir         the folder that the queue writes its PDF files to
#
# Everything start does is recorded in a state folder and stop undoes only that: a print server
# or a default printer that was there before is left alone. Several callers may share one server
# (two test runs at once): each start names its owner, a process id (the caller's by default),
# and the server is taken down when the last live owner has stopped. Running start twice is
# harmless.
#
# The queue has its own cups-pdf settings file (cups-pdf-<queue>.conf, chosen by the backend
# from the device URI cups-pdf:/<queue>), so the system's cups-pdf.conf stays as it is. Every
# PDF goes to one folder whoever prints, with the job's number in its name so that jobs never
# overwrite each other.
set -euo pipefail

queue=${QUBRIN_CUPS_QUEUE:-QubrinPDF}
out_dir=${QUBRIN_CUPS_OUTPUT_DIR:-/var/spool/cups-pdf-$queue}
pdf_conf=/etc/cups/cups-pdf-$queue.conf
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
if [[ -w /run ]]; then
    state=/run/qubrin-cups
else
    state=${TMPDIR:-/tmp}/qubrin-cups-$UID
fi

say() { echo "cups: $*" >&2; }

as_root=()
if ((EUID != 0)) && command -v sudo >/dev/null; then as_root=(sudo -n); fi
root() { "${as_root[@]}" "$@"; }

scheduler_running() { LC_ALL=C lpstat -r 2>/dev/null | grep -q 'scheduler is running'; }
queue_exists() { LC_ALL=C lpstat -v "$queue" >/dev/null 2>&1; }
queue_ready() {
    LC_ALL=C lpstat -a "$queue" 2>/dev/null | grep -q "^$queue accepting" &&
        ! LC_ALL=C lpstat -p "$queue" 2>/dev/null | grep -q disabled
}

# Waits up to $1 seconds for the command that follows to succeed.
wait_for() {
    local seconds=$1
    shift
    local tries=$((seconds * 5))
    until "$@"; do
        ((--tries > 0)) || return 1
        sleep 0.2
    done
}

record() { echo "$1" >>"$state/done"; }
recorded() { [[ -f $state/done ]] && grep -qx "$1" "$state/done"; }
recorded_value() { [[ -f $state/done ]] && sed -n "s/^$1=//p" "$state/done" | tail -n 1; }

# The owners that are still alive; dead ones (a run that crashed) are dropped.
live_owners() {
    [[ -f $state/owners ]] || return 0
    local pid
    while read -r pid; do
        if [[ -n $pid ]] && kill -0 "$pid" 2>/dev/null; then echo "$pid"; fi
    done <"$state/owners" | sort -u
}

start_cupsd() {
    if [[ -d /run/systemd/system ]] && command -v systemctl >/dev/null &&
        root systemctl start cups 2>/dev/null; then
        record systemd
    else
        # No service manager: cupsd in the foreground of its own session, in the background of
        # ours, so that its process id is known and only it is stopped later.
        root mkdir -p /run/cups
        # (The lock's descriptor is not handed on: cupsd would hold the lock for its lifetime.)
        setsid "${as_root[@]}" cupsd -f </dev/null >>"$state/cupsd.log" 2>&1 9>&- &
        record "cupsd=$!"
    fi
    if ! wait_for 30 scheduler_running; then
        say "the scheduler did not come up (log: $state/cupsd.log, /var/log/cups/error_log)"
        return 1
    fi
}

# Everyone's jobs write to the output folder; each PDF belongs to its job's owner.
make_output_dir() {
    [[ -d $out_dir ]] && return 0
    root mkdir -p "$out_dir"
    root chmod 1777 "$out_dir"
    record outdir
}

create_queue() {
    if [[ ! -x /usr/lib/cups/backend/cups-pdf || ! -f $ppd ]]; then
        say "printer-driver-cups-pdf is not installed"
        return 1
    fi
    make_output_dir
    root tee "$pdf_conf" >/dev/null <<EOF
# Written by Qubrin's scripts/cups.sh for the queue $queue; removed with the queue.
Out $out_dir
AnonDirName $out_dir
Label 2
UserUMask 0022
AnonUMask 0022
Grp lpadmin
EOF
    record conf
    # A failed job is dropped rather than stopping the queue, so that one bad job does not hold
    # every later one. lpadmin's note that printer drivers are deprecated is not ours to fix.
    root lpadmin -p "$queue" -E -v "cups-pdf:/$queue" -P "$ppd" \
        -o printer-error-policy=abort-job -D "Qubrin test PDF printer" 2>&1 |
        grep -v -i 'deprecated' >&2 || true
    queue_exists || { say "the queue $queue could not be created"; return 1; }
    record queue
}

do_start() {
    local owner=${1:-$PPID}
    mkdir -p "$state"
    echo "$owner" >>"$state/owners"

    if ! command -v cupsd >/dev/null || ! command -v lpadmin >/dev/null; then
        say "CUPS is not installed (packages cups, printer-driver-cups-pdf)"
        return 1
    fi
    if scheduler_running; then
        say "the print server is running"
    else
        say "starting the print server"
        start_cupsd
    fi
    if queue_exists; then
        say "the queue $queue exists"
        if [[ -f $pdf_conf ]]; then make_output_dir; fi
    else
        say "creating the queue $queue (PDF files in $out_dir)"
        create_queue
    fi
    root cupsenable "$queue" 2>/dev/null || true
    root cupsaccept "$queue" 2>/dev/null || true
    if LC_ALL=C lpstat -d 2>/dev/null | grep -q 'no system default'; then
        root lpadmin -d "$queue"
        record default
    fi
    if ! wait_for 30 queue_ready; then
        say "the queue $queue does not accept jobs"
        return 1
    fi
    say "the queue $queue accepts jobs"
}

do_stop() {
    local owner=${1:-$PPID}
    [[ -d $state ]] || { say "nothing to stop"; return 0; }
    if [[ -f $state/owners ]]; then
        grep -vx "$owner" "$state/owners" >"$state/owners.new" || true
        mv "$state/owners.new" "$state/owners"
    fi
    local others
    others=$(live_owners | tr '\n' ' ')
    if [[ -n $others ]]; then
        say "still in use by $others; left running"
        return 0
    fi
    if recorded queue && scheduler_running; then
        root lpadmin -x "$queue" || true
        say "removed the queue $queue"
    fi
    if recorded conf; then root rm -f "$pdf_conf"; fi
    # The output folder goes only when it holds nothing any more.
    if recorded outdir; then root rmdir "$out_dir" 2>/dev/null || true; fi
    local pid
    pid=$(recorded_value cupsd)
    if [[ -n $pid ]] && [[ "$(cat "/proc/$pid/comm" 2>/dev/null)" == cupsd ]]; then
        root kill "$pid" || true
        wait_for 15 eval '! kill -0 "$pid" 2>/dev/null' || root kill -9 "$pid" || true
        say "stopped the print server"
    fi
    if recorded systemd; then
        root systemctl stop cups cups.socket 2>/dev/null || true
        say "stopped the print server"
    fi
    rm -rf "$state"
}

# One start or stop at a time.
locked() {
    mkdir -p "$(dirname "$state")"
    exec 9>"$state.lock"
    flock 9
    "$@"
}

case "${1:-}" in
    start) locked do_start "${2:-}" ;;
    stop) locked do_stop "${2:-}" ;;
    printer-name) echo "$queue" ;;
    output-dir) echo "$out_dir" ;;
    *)
        echo "usage: $0 start|stop [OWNER_PID] | printer-name | output-dir" >&2
        exit 2
        ;;
esac
