#!/usr/bin/env bash
# Times nelvora-report --format tsv over a folder of 10 000 one-card files and over one file of 100 000 cards,
# against cat of the same bytes, and measures its peak memory. Targets: within 3x of cat, under 100 MB.
# Then the calendar of the 100 000 cards (--format ics, one alarm) against the tsv report. Target: within 2x.
#
# usage: bench/cli/report_bench.sh [path/to/nelvora-report] [runs]
# Build the program in release mode first, e.g.
#   cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DNELVORA_TESTS=OFF
#   cmake --build build-release --target nelvora-report
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
program=$(realpath "${1:-$top/build-release/bin/nelvora-report}")
runs=${2:-10}
[ -x "$program" ] || { echo "no program at $program" >&2; exit 2; }
[ -x /usr/bin/time ] || { echo "needs /usr/bin/time (Debian package time)" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/nelvora-report-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT

# One card in the shape phones and desktop programs export: name parts, a telephone, an e-mail address, a birthday
# spread over the year and a wedding anniversary on every fifth card.
card() {
    local i=$1
    local month=$(((i % 12) + 1)) day=$(((i % 28) + 1)) year=$((1940 + i % 70))
    printf 'BEGIN:VCARD\r\nVERSION:3.0\r\nN:Family%d;Given%d;;;\r\nFN:Given%d Family%d\r\n' "$i" "$i" "$i" "$i"
    printf 'TEL;TYPE=CELL:+49 170 %07d\r\nEMAIL;TYPE=INTERNET:given%d@example.org\r\n' "$i" "$i"
    printf 'BDAY:%04d-%02d-%02d\r\n' "$year" "$month" "$day"
    if ((i % 5 == 0)); then
        printf 'ANNIVERSARY:%04d%02d%02d\r\n' $((year + 25)) "$day" "$month"
    fi
    printf 'END:VCARD\r\n'
}

echo "generating test data in $work"
mkdir "$work/folder"
for ((i = 0; i < 10000; i++)); do
    card "$i" >"$work/folder/card$(printf %05d "$i").vcf"
done
for ((i = 0; i < 100000; i++)); do
    card "$i"
done >"$work/cards.vcf"
cd "$work" # no options file here: the window is given explicitly

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

report() {
    "$program" --contacts "$1" --today 2026-06-15 --days 15 --format tsv || [ $? -eq 1 ]
}

peak_kb() {
    /usr/bin/time -f %M -o "$work/time.out" "$@" >/dev/null || true
    tail -n 1 "$work/time.out"
}

status=0
for input in folder cards.vcf; do
    if [ "$input" = folder ]; then
        label="10 000 files of one card"
        bytes=$(cat folder/*.vcf | wc -c)
        cat_cmd=(sh -c 'cat folder/*.vcf')
    else
        label="1 file of 100 000 cards"
        bytes=$(wc -c <cards.vcf)
        cat_cmd=(cat cards.vcf)
    fi
    report "$input" >/dev/null # warm the page cache
    rows=$(report "$input" | wc -l)
    cat_ms=$(median_ms "${cat_cmd[@]}")
    report_ms=$(median_ms report "$input")
    rss_kb=$(peak_kb "$program" --contacts "$input" --today 2026-06-15 --days 15 --format tsv)
    ratio=$(awk -v a="$report_ms" -v b="$cat_ms" 'BEGIN { printf "%.1f", (b > 0) ? a / b : 0 }')
    echo "== $label ($bytes bytes, $rows rows due, median of $runs runs)"
    echo "   cat:            $cat_ms ms"
    echo "   nelvora-report: $report_ms ms (${ratio}x cat), peak RSS $((rss_kb / 1024)) MB ($rss_kb kB)"
    if awk -v r="$ratio" 'BEGIN { exit !(r > 3) }'; then
        echo "   over the 3x target"
        status=1
    fi
    if [ "$input" = cards.vcf ] && [ "$rss_kb" -ge $((100 * 1024)) ]; then
        echo "   over the 100 MB target"
        status=1
    fi
done

calendar() {
    "$program" --contacts cards.vcf --today 2026-06-15 --days 15 --format ics --alarm 7 || [ $? -eq 1 ]
}
tsv_ms=$(median_ms report cards.vcf)
ics_ms=$(median_ms calendar)
events=$(calendar | grep -c '^BEGIN:VEVENT')
rss_kb=$(peak_kb "$program" --contacts cards.vcf --today 2026-06-15 --format ics --alarm 7)
ratio=$(awk -v a="$ics_ms" -v b="$tsv_ms" 'BEGIN { printf "%.2f", (b > 0) ? a / b : 0 }')
echo "== calendar of 1 file of 100 000 cards ($events events, median of $runs runs)"
echo "   tsv report:     $tsv_ms ms"
echo "   ics calendar:   $ics_ms ms (${ratio}x tsv), peak RSS $((rss_kb / 1024)) MB ($rss_kb kB)"
if awk -v r="$ratio" 'BEGIN { exit !(r > 2) }'; then
    echo "   over the 2x target"
    status=1
fi
exit $status
