#!/usr/bin/env bash
# Syncing a book of 5 000 cards from a local Radicale: the first time, then again after 10 cards changed on the
# server, then with nothing changed. Each line gives the time, the requests, the bytes of the answers and the cards
# fetched; the incremental sync must fetch the 10 changed cards and no others.
#
# usage: bench/carddav/carddav_bench.sh [path/to/carddav_sync_probe] [cards]
# Build it in release mode first, e.g.
#   cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release -DNELVORA_TESTS=OFF
#   cmake --build build-release --target carddav_sync_probe
# Needs radicale and curl (scripts/setup --tests).
set -euo pipefail
top=$(cd "$(dirname "$0")/../.." && pwd)
probe=$(realpath "${1:-$top/build-release/bin/carddav_sync_probe}")
cards=${2:-5000}
[ -x "$probe" ] || { echo "no probe at $probe" >&2; exit 2; }
/usr/bin/python3 -c 'import radicale' 2>/dev/null || { echo "needs radicale (scripts/setup --tests)" >&2; exit 2; }

work=$(mktemp -d "${TMPDIR:-/tmp}/nelvora-carddav-bench.XXXXXX")
server=
cleanup()
{
    [ -n "$server" ] && kill "$server" 2>/dev/null && wait "$server" 2>/dev/null
    rm -rf "$work"
}
trap cleanup EXIT
port=$(/usr/bin/python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
book=$work/collections/collection-root/bench/book
mkdir -p "$book"
printf '{"tag": "VADDRESSBOOK", "D:displayname": "Bench"}' >"$book/.Radicale.props"
# Cards of the usual size, with a birthday, a phone and an address, written straight into Radicale's folder.
/usr/bin/python3 - "$book" "$cards" <<'PY'
import sys
folder, count = sys.argv[1], int(sys.argv[2])
for i in range(count):
    with open(f"{folder}/card-{i:05d}.vcf", "w", newline="") as f:
        f.write(f"BEGIN:VCARD\r\nVERSION:3.0\r\nUID:card-{i:05d}\r\nN:Person{i:05d};Given;;;\r\n"
                f"FN:Given Person{i:05d}\r\nBDAY:19{50 + i % 50}-{1 + i % 12:02d}-{1 + i % 28:02d}\r\n"
                f"TEL;TYPE=CELL:+49 170 {i:07d}\r\nEMAIL:person{i}@example.org\r\n"
                f"ADR;TYPE=HOME:;;{i} Main Street;Springfield;;12345;Country\r\nEND:VCARD\r\n")
PY
echo "bench:bench-password" >"$work/users"
cat >"$work/config" <<CONF
[server]
hosts = 127.0.0.1:$port
[auth]
type = htpasswd
htpasswd_filename = $work/users
htpasswd_encryption = plain
[storage]
filesystem_folder = $work/collections
[logging]
level = warning
CONF
/usr/bin/python3 -m radicale --config "$work/config" >"$work/radicale.log" 2>&1 &
server=$!
for _ in $(seq 1 100); do
    curl -s -o /dev/null --max-time 1 "http://127.0.0.1:$port/" && break
    sleep 0.2
done
# Radicale builds its own caches on the first look at a book: not the client's cost.
curl -s -o /dev/null -u bench:bench-password -X PROPFIND -H 'Depth: 1' "http://127.0.0.1:$port/bench/book/"
curl -s -o /dev/null -u bench:bench-password -X REPORT -H 'Depth: 0' -H 'Content-Type: application/xml' \
    --data '<d:sync-collection xmlns:d="DAV:"><d:sync-token/><d:sync-level>1</d:sync-level><d:prop><d:getetag/></d:prop></d:sync-collection>' \
    "http://127.0.0.1:$port/bench/book/"

export XDG_CACHE_HOME=$work/cache
url=http://127.0.0.1:$port/bench/book/
# The sync keeps only the cache of listed accounts: the bench's account is the one listed.
export XDG_CONFIG_HOME=$work/home-config
mkdir -p "$XDG_CONFIG_HOME/nelvora"
printf 'nelvora-carddav-accounts 1\n%s\tbench\n' "$url" >"$XDG_CONFIG_HOME/nelvora/carddav-accounts"
printf '%-12s %8s %9s %12s %8s %8s\n' sync seconds requests answer-bytes fetched removed
line()
{
    printf '%-12s %8s %9s %12s %8s %8s\n' "$1" $(printf 'bench\nbench-password\n' | "$probe" "$url")
}
line first
for i in $(seq 0 9); do
    uid=card-$(printf '%05d' $((i * 397)))
    printf 'BEGIN:VCARD\r\nVERSION:3.0\r\nUID:%s\r\nFN:Changed %s\r\nBDAY:2001-02-03\r\nEND:VCARD\r\n' "$uid" "$i" |
        curl -s -f -o /dev/null -u bench:bench-password -X PUT -H 'Content-Type: text/vcard' --data-binary @- "$url$uid.vcf"
done
line "10 changed"
line unchanged
stored=$(find "$XDG_CACHE_HOME/nelvora/carddav" -name '*.vcf' | wc -l)
echo "cards in the cache: $stored"
