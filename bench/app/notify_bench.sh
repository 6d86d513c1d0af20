#!/usr/bin/env bash
# What reminding through the desktop costs, on private buses with python3-dbusmock's notification daemon and logind:
#   1. bench_reminder: the check's own work against composing and posting its notification (calling thread), and
#      the round trip until the server has answered;
#   2. wake-ups of the idle program over 60 s after it has posted a notification, in daily mode with the day watch
#      subscribed to logind, the clock and the time zone: context switches of all its threads, from /proc.
# Targets: the notification adds under 5 ms to a check; no wake-ups while idle.
#
# Usage: bench/app/notify_bench.sh [folder holding nelvora and bench_reminder]   (default: build-release/bin, else
# build/bin). Not a test: it prints figures.
set -uo pipefail

if [ -z "${NELVORA_BENCH_PRIVATE_BUS:-}" ]; then
    NELVORA_BENCH_PRIVATE_BUS=1 exec dbus-run-session -- "$0" "$@"
fi

top=$(cd "$(dirname "$0")/../.." && pwd)
bindir=${1:-}
if [ -z "$bindir" ]; then
    bindir=$top/build-release/bin
    [ -x "$bindir/nelvora" ] || bindir=$top/build/bin
fi
bindir=$(cd "$bindir" && pwd)
python=/usr/bin/python3
idle_seconds=${NELVORA_BENCH_IDLE:-60}

work=$(mktemp -d "${TMPDIR:-/tmp}/nelvora-notify-bench.XXXXXX")
pids=()
# shellcheck source=../../tests/e2e/xsession.sh
. "$top/tests/e2e/xsession.sh"
trap end_session EXIT
trap 'exit 130' INT TERM

bus=$DBUS_SESSION_BUS_ADDRESS
private_environment
export DBUS_SESSION_BUS_ADDRESS=$bus
dbus-daemon --session --nofork --address="unix:path=$work/system-bus" >/dev/null 2>&1 &
pids+=($!)
export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$work/system-bus
wait_for 10 test -S "$work/system-bus"

"$python" -m dbusmock --template notification_daemon -p '{"capabilities": "body body-markup actions"}' >/dev/null 2>&1 &
pids+=($!)
"$python" -m dbusmock --template logind >/dev/null 2>&1 &
pids+=($!)
sleep 2

echo "== a check's own work (1 000 contacts) and what its notification adds"
"$bindir/bench_reminder" --benchmark_min_time=0.5

start_xvfb || { echo "bench: no display for Xvfb" >&2; exit 1; }
start_window_manager || exit 1
start_tray || exit 1
# Something due today, reminded through the notification only: the program posts and goes idle in the tray.
mkdir -p "$work/data/contacts" "$work/config/nelvora"
printf 'BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Due Today\r\nBDAY:1980%s\r\nEND:VCARD\r\n' "$(date +%m%d)" \
    >"$work/data/contacts/due.vcf"
printf '%b' "$(le32 0)$(le32 4660)$(le32 2)$(le32 15)$(le32 1)$(le32 0)$(le32 2)$(le32 0)" \
    >"$work/config/nelvora/Nelvora.cfg"
(cd "$work/config/nelvora" && XDG_DATA_HOME=$work/data exec "$bindir/nelvora") >/dev/null 2>&1 &
pid=$!
pids+=("$pid")
sleep 10

switches()
{
    local f
    for f in /proc/"$1"/task/*/status; do
        awk -v tid="$(basename "$(dirname "$f")")" \
            '/^(non)?voluntary_ctxt_switches/ {n += $2} END {if (NR) print tid, n}' "$f" 2>/dev/null
    done
}
switches "$pid" >"$work/switches.before"
sleep "$idle_seconds"
switches "$pid" >"$work/switches.after"
awk 'NR == FNR {before[$1] = $2; next} $2 != before[$1] {print "thread " $1 ": " $2 - before[$1]}' "$work/switches.before" "$work/switches.after"
wakeups=$(awk 'NR == FNR {before[$1] = $2; next} {n += $2 - before[$1]} END {print n + 0}' \
    "$work/switches.before" "$work/switches.after")
echo "== idle after its notification, day watch on (daily mode, notification only)"
echo "wake-ups over ${idle_seconds} s idle: $wakeups context switches ($(find /proc/"$pid"/task -mindepth 1 -maxdepth 1 | wc -l) threads)"
