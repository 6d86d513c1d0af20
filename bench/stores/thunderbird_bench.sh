#!/usr/bin/env bash
# Times nelvora-report with no --contacts over a Thunderbird profile whose personal book holds 10 000 cards with
# `_vCard` (its private copy of the book included), unlocked and while another process holds the book under
# Thunderbird's exclusive lock, against sqlite3 selecting the same vCards from an unlocked copy of the book, the
# making of that copy included (a locked book cannot be read otherwise). Target: within 3x. Also shown: sqlite3
# on a copy made beforehand, and nelvora-report over the same cards as one vCard file (no database, no copy).
#
# usage: bench/stores/thunderbird_bench.sh [path/to/nelvora-report] [runs]
# Build the program in release mode first, e.g.
#   cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DNELVORA_TESTS=OFF
#   cmake --build build-release --target nelvora-report wab32
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
program=$(realpath "${1:-$top/build-release/bin/nelvora-report}")
runs=${2:-15}
[ -x "$program" ] || { echo "no program at $program" >&2; exit 2; }
for tool in sqlite3 /usr/bin/python3 /usr/bin/time; do
    command -v "$tool" >/dev/null || { echo "needs $tool (scripts/setup --tests)" >&2; exit 2; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/nelvora-thunderbird-bench.XXXXXX")
holder=
run=
cleanup()
{
    [ -n "$holder" ] && { kill "$holder" 2>/dev/null; wait "$holder" 2>/dev/null || true; }
    rm -rf "$work" ${run:+"$run"}
}
trap cleanup EXIT
# A session's runtime folder is a tmpfs; /dev/shm is one where the machine has it. Both copies go there.
run=$(mktemp -d /dev/shm/nelvora-thunderbird-run.XXXXXX 2>/dev/null || mktemp -d "$work/run.XXXXXX")
export HOME=$work/home XDG_RUNTIME_DIR=$run
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
unset VDIRSYNCER_CONFIG KHARD_CONFIG
profile=$HOME/.thunderbird/k3x9q2mf.default-release
mkdir -p "$profile"
printf '[Profile0]\nName=default\nIsRelative=1\nPath=k3x9q2mf.default-release\n' >"$HOME/.thunderbird/profiles.ini"

# Cards as Thunderbird 115 stores them: the vCard and the properties it keeps beside it for searching.
echo "generating 10 000 cards in $profile/abook.sqlite"
/usr/bin/python3 - "$profile/abook.sqlite" <<'PY'
import sqlite3, sys
db = sqlite3.connect(sys.argv[1])
db.execute("PRAGMA journal_mode=WAL")
db.executescript("""
CREATE TABLE properties (card TEXT, name TEXT, value TEXT);
CREATE TABLE lists (uid TEXT PRIMARY KEY, name TEXT, nickName TEXT, description TEXT);
CREATE TABLE list_cards (list TEXT, card TEXT, PRIMARY KEY(list, card));
CREATE INDEX properties_card ON properties(card);
CREATE INDEX properties_name ON properties(name);
""")
rows = []
for i in range(10000):
    uid = "%08x-4c1e-4b7a-9d3e-%012x" % (i * 2654435761 % 2**32, i)
    month, day, year = i % 12 + 1, i % 28 + 1, 1940 + i % 70
    vcard = ("BEGIN:VCARD\r\nVERSION:4.0\r\nN:Family%d;Given%d;;;\r\nFN:Given%d Family%d\r\n"
             "EMAIL;PREF=1:given%d@example.org\r\nTEL;TYPE=cell;VALUE=TEXT:+49 170 %07d\r\n"
             "BDAY;VALUE=DATE:%04d%02d%02d\r\n" % (i, i, i, i, i, i, year, month, day))
    if i % 5 == 0:
        vcard += "ANNIVERSARY;VALUE=DATE:%04d%02d%02d\r\n" % (year + 25, day, month)
    vcard += "UID:%s\r\nEND:VCARD\r\n" % uid
    for name, value in (("_vCard", vcard), ("DisplayName", "Given%d Family%d" % (i, i)), ("FirstName", "Given%d" % i),
                        ("LastName", "Family%d" % i), ("PrimaryEmail", "given%d@example.org" % i),
                        ("LastModifiedDate", "1700000000"), ("PopularityIndex", str(i % 7))):
        rows.append((uid, name, value))
db.executemany("INSERT INTO properties VALUES (?, ?, ?)", rows)
db.commit()
db.close()
PY
copy=$XDG_RUNTIME_DIR/copy.sqlite
cp "$profile/abook.sqlite" "$copy"
cd "$work"

# Median wall time in milliseconds of `runs` runs of the command.
median_ms() {
    local times=() start end
    for ((r = 0; r < runs; r++)); do
        start=$(date +%s%N)
        "$@" >/dev/null
        end=$(date +%s%N)
        times+=($(((end - start) / 1000)))
    done
    printf '%s\n' "${times[@]}" | sort -n | awk '{ a[NR] = $1 } END { m = (NR % 2) ? a[(NR + 1) / 2] : (a[NR / 2] + a[NR / 2 + 1]) / 2; printf "%.2f", m / 1000 }'
}
report() { "$program" --today 2026-06-15 --days 15 --format tsv || [ $? -eq 1 ]; }
select_vcards() { sqlite3 "$copy" "select value from properties where name='_vCard'"; }
copy_and_select() { cp "$profile/abook.sqlite" "$copy" && select_vcards; }

select_vcards >cards.vcf # also warms the page cache
sqlite_ms=$(median_ms select_vcards)
copy_ms=$(median_ms copy_and_select)
vcf_ms=$(median_ms "$program" --contacts cards.vcf --today 2026-06-15 --days 15 --format tsv)
echo "== 10 000 cards with _vCard ($(stat -c %s "$profile/abook.sqlite") bytes), median of $runs runs"
echo "   cp of the book + sqlite3 select: $copy_ms ms (sqlite3 select alone: $sqlite_ms ms)"
echo "   nelvora-report over the same cards as one vCard file: $vcf_ms ms"
status=0
measure() {
    local label=$1 rows ms rss ratio alone
    rows=$(report | wc -l)
    [ "$rows" -gt 0 ] || { echo "   $label: no rows" >&2; status=1; }
    ms=$(median_ms report)
    rss=$(/usr/bin/time -f %M "$program" --today 2026-06-15 --days 15 --format tsv 2>&1 >/dev/null | tail -n 1)
    ratio=$(awk -v a="$ms" -v b="$copy_ms" 'BEGIN { printf "%.2f", (b > 0) ? a / b : 0 }')
    alone=$(awk -v a="$ms" -v b="$sqlite_ms" 'BEGIN { printf "%.2f", (b > 0) ? a / b : 0 }')
    echo "   nelvora-report, $label: $ms ms (${ratio}x cp + sqlite3, ${alone}x sqlite3 alone), $rows rows due," \
        "peak RSS $((rss / 1024)) MB"
    awk -v r="$ratio" 'BEGIN { exit !(r > 3) }' && { echo "   over the 3x target"; status=1; }
    return 0
}
measure "book unlocked"
coproc HOLD { exec /usr/bin/python3 "$top/tests/stores/thunderbird-book.py" hold "$profile/abook.sqlite" wal-card \
    "_vCard=BEGIN:VCARD"$'\r\n'"FN:Wes Waldo"$'\r\n'"BDAY:19880620"$'\r\n'"END:VCARD"; }
holder=$HOLD_PID
read -r -t 30 ready <&"${HOLD[0]}" || true
[ "${ready:-}" == holding ] || { echo "the book holder did not start" >&2; exit 2; }
measure "book locked, newest card in the -wal"
[ "$(ls -A "$XDG_RUNTIME_DIR")" == copy.sqlite ] || { echo "   copies left behind" >&2; status=1; }
exit $status
