#!/usr/bin/env bash
# Start-up and idle figures of the real program on a private X server with a tray (Xvfb, openbox, trayer):
#   1. time from start to the end of the first check, for 0, 1 000 and 100 000 contacts: start-and-quit mode with
#      nothing due, where the program ends right after its first check (median of several runs, with the peak
#      resident size of that run);
#   2. resident memory after 10 s in the tray (daily mode, nothing due, 1 000 contacts);
#   3. wake-ups of the idle program over 60 s in the tray: context switches of all its threads, from /proc.
# Targets: first check within 100 ms for 1 000 contacts, under 40 MB resident, no wake-ups while idle.
#
# Usage: bench/app/startup_bench.sh [folder holding nelvora and nelvora-launch]   (default: build-release/bin, else
# build/bin). Not a test: it prints figures and always succeeds when it could measure.
set -uo pipefail

top=$(cd "$(dirname "$0")/../.." && pwd)
bindir=${1:-}
if [ -z "$bindir" ]; then
    bindir=$top/build-release/bin
    [ -x "$bindir/nelvora" ] || bindir=$top/build/bin
fi
bindir=$(cd "$bindir" && pwd)
[ -x "$bindir/nelvora" ] || { echo "bench: no program in $bindir" >&2; exit 1; }
[ -x /usr/bin/time ] || { echo "bench: needs /usr/bin/time (package time)" >&2; exit 1; }

runs=${NELVORA_BENCH_RUNS:-5}
idle_seconds=${NELVORA_BENCH_IDLE:-60}

work=$(mktemp -d "${TMPDIR:-/tmp}/nelvora-bench.XXXXXX")
pids=()
# shellcheck source=../../tests/e2e/xsession.sh
. "$top/tests/e2e/xsession.sh"
trap end_session EXIT
trap 'exit 130' INT TERM

# ---- private desktop ----
private_environment
start_xvfb || { echo "bench: no display for Xvfb" >&2; exit 1; }
start_window_manager || exit 1
start_tray || exit 1

# ---- data ----
# <count> contacts, one file each, none due within the 15-day window: dates 30 to 329 days ahead.
for d in $(seq 30 329); do date -d "+$d days" +%m%d; done | sed 's/^0229$/0228/' >"$work/month-days"
make_contacts()
{
    mkdir -p "$1"
    awk -v folder="$1" -v count="$2" '
        { md[n++] = $1 }
        END {
            for (i = 0; i < count; i++) {
                file = sprintf("%s/c%06d.vcf", folder, i)
                printf "BEGIN:VCARD\r\nVERSION:3.0\r\nUID:bench-%d\r\nFN:Contact %d\r\nN:%d;Contact;;;\r\n", i, i, i > file
                printf "EMAIL:contact%d@example.org\r\nBDAY:%d%s\r\nEND:VCARD\r\n", i, 1940 + i % 60, md[i % n] > file
                close(file)
            }
        }' "$work/month-days"
}

for n in 0 1000 100000; do
    make_contacts "$work/data$n/contacts" "$n"
done
write_options "$work/quit/nelvora/Nelvora.cfg" 1 15 1
write_options "$work/daily/nelvora/Nelvora.cfg" 2 15 1

# Runs the program once to its first check; prints "seconds maxrss_kb status".
timed_run()
{
    local n=$1
    (
        cd "$work/quit/nelvora" &&
            XDG_DATA_HOME=$work/data$n timeout 120 /usr/bin/time -f '%e %M %x' -o "$work/time.out" \
                "$bindir/nelvora" >/dev/null 2>&1
    )
    cat "$work/time.out"
}

median() { sort -n | awk '{v[NR] = $1} END {print v[int((NR + 1) / 2)]}'; }

echo "== start to end of the first check (start-and-quit mode, nothing due; median of $runs runs)"
printf '%10s %12s %14s\n' contacts seconds peak_rss_MB
for n in 0 1000 100000; do
    timed_run "$n" >/dev/null # warm the file cache
    : >"$work/times"
    : >"$work/rss"
    for _ in $(seq "$runs"); do
        read -r seconds rss status < <(timed_run "$n")
        [ "$status" = 0 ] || echo "bench: run with $n contacts ended with status $status" >&2
        echo "$seconds" >>"$work/times"
        echo "$rss" >>"$work/rss"
    done
    printf '%10s %12s %14s\n' "$n" "$(median <"$work/times")" \
        "$(median <"$work/rss" | awk '{printf "%.1f", $1 / 1024}')"
done

# ---- resident size and wake-ups in the tray ----
# "thread-id switches" for every thread; threads come and go, so deltas are taken per thread.
switches()
{
    local f
    for f in /proc/"$1"/task/*/status; do
        awk -v tid="$(basename "$(dirname "$f")")" \
            '/^(non)?voluntary_ctxt_switches/ {n += $2} END {if (NR) print tid, n}' "$f" 2>/dev/null
    done
}

(cd "$work/daily/nelvora" && XDG_DATA_HOME=$work/data1000 exec "$bindir/nelvora") >/dev/null 2>&1 &
pid=$!
pids+=("$pid")
sleep 10
rss_kb=$(awk '/^VmRSS/ {print $2}' /proc/"$pid"/status)
threads=$(find /proc/"$pid"/task -mindepth 1 -maxdepth 1 | wc -l)
echo "== in the tray (daily mode, nothing due, 1 000 contacts)"
echo "resident after 10 s: $(awk -v k="$rss_kb" 'BEGIN {printf "%.1f", k / 1024}') MB ($threads threads)"

switches "$pid" >"$work/switches.before"
sleep "$idle_seconds"
switches "$pid" >"$work/switches.after"
wakeups=$(awk 'NR == FNR {before[$1] = $2; next} {n += $2 - before[$1]} END {print n + 0}' \
    "$work/switches.before" "$work/switches.after")
echo "wake-ups over ${idle_seconds} s idle: $wakeups context switches (threads alive at the end)"
if command -v strace >/dev/null && [ "${NELVORA_BENCH_STRACE:-1}" = 1 ]; then
    # The same, seen as returns from the waiting system calls.
    timeout -s INT 20 strace -f -c -e trace=poll,ppoll,epoll_wait,select,pselect6,futex -p "$pid" \
        -o "$work/strace.out" 2>/dev/null
    if [ -s "$work/strace.out" ]; then
        echo "waiting system calls over 20 s idle (strace):"
        sed -n '1,12p' "$work/strace.out"
    else
        echo "waiting system calls over 20 s idle (strace): none"
    fi
fi
