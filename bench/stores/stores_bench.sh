#!/usr/bin/env bash
# Two costs of finding the user's contacts with no --contacts:
#  1. 10 000 contacts in one Evolution contacts.db (written by Evolution's own book database class):
#     nelvora-report against `sqlite3 contacts.db 'select vcard from folder_id'` on the same file, and its peak
#     memory. Targets: within 2x of sqlite3, under 40 MB.
#  2. A home folder with no stores at all: a run that looks for them against a run given an empty folder.
#     Target: under 5 ms more.
#
# usage: bench/stores/stores_bench.sh [path/to/nelvora-report] [runs]
# Build the program in release mode first, e.g.
#   cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DNELVORA_TESTS=OFF
#   cmake --build build-release --target nelvora-report
# Needs sqlite3, python3-gi, gir1.2-edatabook-1.2 and /usr/bin/time (scripts/setup --tests).
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
program=$(realpath "${1:-$top/build-release/bin/nelvora-report}")
runs=${2:-20}
[ -x "$program" ] || { echo "no program at $program" >&2; exit 2; }
for tool in sqlite3 /usr/bin/time /usr/bin/python3; do
    command -v "$tool" >/dev/null || { echo "needs $tool (scripts/setup --tests)" >&2; exit 2; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/nelvora-stores-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
export XDG_CONFIG_HOME XDG_DATA_HOME XDG_CACHE_HOME
unset VDIRSYNCER_CONFIG KHARD_CONFIG
home() # a private home with its XDG folders
{
    export HOME=$work/$1 XDG_CONFIG_HOME=$work/$1/.config XDG_DATA_HOME=$work/$1/.local/share
    export XDG_CACHE_HOME=$work/$1/.cache
    mkdir -p "$HOME"
}
cd "$work" # no options file here: the window is given explicitly

# Median wall time in milliseconds of `runs` runs of the command.
median_ms()
{
    local times=() start end
    for ((r = 0; r < runs; r++)); do
        start=$(date +%s%N)
        "$@" >/dev/null || true
        end=$(date +%s%N)
        times+=($(((end - start) / 1000)))
    done
    printf '%s\n' "${times[@]}" | sort -n | awk '{ a[NR] = $1 } END { m = (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2; printf "%.2f", m / 1000 }'
}
report() { "$program" --today 2026-06-15 --days 15 --format tsv "$@"; }

status=0
home evolution
book=$XDG_DATA_HOME/evolution/addressbook/system/contacts.db
mkdir -p "$(dirname "$book")"
echo "writing 10 000 contacts through Evolution's book database into $book"
/usr/bin/python3 "$top/bench/stores/evolution-book.py" "$book" 10000
report >/dev/null || true # warm the page cache
rows=$(report | wc -l || true)
sqlite_ms=$(median_ms sqlite3 "$book" 'select vcard from folder_id')
report_ms=$(median_ms report)
/usr/bin/time -f %M -o "$work/time.out" "$program" --today 2026-06-15 --days 15 --format tsv >/dev/null || true
rss_kb=$(tail -n 1 "$work/time.out")
ratio=$(awk -v a="$report_ms" -v b="$sqlite_ms" 'BEGIN { printf "%.2f", (b > 0) ? a / b : 0 }')
echo "== 10 000 contacts in one Evolution contacts.db ($(stat -c %s "$book") bytes, $rows rows due, median of $runs runs)"
echo "   sqlite3 select vcard: $sqlite_ms ms"
echo "   nelvora-report:       $report_ms ms (${ratio}x sqlite3), peak RSS $((rss_kb / 1024)) MB ($rss_kb kB)"
awk -v r="$ratio" 'BEGIN { exit !(r > 2) }' && { echo "   over the 2x target"; status=1; }
[ "$rss_kb" -ge $((40 * 1024)) ] && { echo "   over the 40 MB target"; status=1; }

home empty
mkdir -p "$work/no-contacts"
explicit_ms=$(median_ms report --contacts "$work/no-contacts")
looking_ms=$(median_ms report)
extra=$(awk -v a="$looking_ms" -v b="$explicit_ms" 'BEGIN { printf "%.2f", a - b }')
echo "== a home folder with no stores (median of $runs runs)"
echo "   --contacts an empty folder: $explicit_ms ms"
echo "   looking for every store:    $looking_ms ms ($extra ms more)"
awk -v e="$extra" 'BEGIN { exit !(e > 5) }' && { echo "   over the 5 ms target"; status=1; }
exit $status
