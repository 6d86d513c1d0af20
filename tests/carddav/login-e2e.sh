#!/usr/bin/env bash
# Logging in by e-mail address and in the browser, end to end, in a private network and mount namespace: dnsmasq on
# its loopback answers for example.test (SRV and TXT records pointing at a Radicale over TLS) and fallback.test
# (no SRV: its own /.well-known/carddav), a private /etc/resolv.conf and trust store name them, and a server that
# answers as Nextcloud's Login Flow v2 stands in front of the same Radicale. The real nelvora-report adds accounts
# by e-mail address; the window's Add dialog (driven by add-account-driver) does the same and logs in through the
# browser, whose opener here is a recorder that visits the page. The keyring is gnome-keyring in a private D-Bus
# session. Everything started is stopped at the end; nothing outside the namespaces is touched.
#   login-e2e.sh <nelvora-report> <add-account-driver>
# Exit 77 (skipped) without root or without the programs.
set -euo pipefail
# Qt 6.4 lets the threads of its host-name lookups end on their own as a program exits, and a sanitizer build's leak
# check then finds their thread data half torn down (a QThreadData, glibc's resolver addresses). The unit tests check
# the sync's own code for leaks; here the sanitizers still catch every memory error.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"

report=$(realpath "$1")
driver=$(realpath "$2")
here=$(cd "$(dirname "$0")" && pwd)
# shellcheck source=test-certificates.sh
. "$here/test-certificates.sh"

if [ "$(id -u)" != 0 ]; then
    echo "login-e2e: needs root for its own network and mount namespace; skipped"
    exit 77
fi
for tool in /usr/sbin/dnsmasq unshare ip mount gnome-keyring-daemon secret-tool openssl dbus-run-session curl; do
    if ! command -v "$tool" >/dev/null; then
        echo "login-e2e: $tool is missing; skipped"
        exit 77
    fi
done
if ! /usr/bin/python3 -c 'import radicale' 2>/dev/null; then
    echo "login-e2e: radicale is missing; skipped"
    exit 77
fi

# A network of its own (only loopback, where port 53 and 443 are free) and mounts of its own (the resolver's
# configuration and the trust store are bind-mounted over the system's for this run only), then a D-Bus session.
if [ -z "${NELVORA_LOGIN_NS:-}" ]; then
    if ! unshare --net --mount true 2>/dev/null; then
        echo "login-e2e: no network namespace can be made here; skipped"
        exit 77
    fi
    exec timeout 240 unshare --net --mount -- env NELVORA_LOGIN_NS=1 bash "$0" "$report" "$driver"
fi
if [ -z "${NELVORA_LOGIN_SESSION:-}" ]; then
    exec dbus-run-session -- env NELVORA_LOGIN_SESSION=1 bash "$0" "$report" "$driver" \
        2> >(grep --line-buffered -v 'fd limit' >&2)
fi

ip link set lo up
work=$(mktemp -d /tmp/nelvora-login-e2e.XXXXXX)
printf 'leak:libcrypto.so\nleak:libssl.so\n' >"$work/lsan.supp"
export LSAN_OPTIONS="${LSAN_OPTIONS:+$LSAN_OPTIONS:}suppressions=$work/lsan.supp"
pids=()
cleanup()
{
    local status=$?
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null || true
    done
    for pid in "${pids[@]}"; do
        wait "$pid" 2>/dev/null || true
    done
    if [ $status -ne 0 ]; then
        echo "login-e2e: FAILED; logs:" >&2
        tail -n 20 "$work"/*.log 2>/dev/null >&2 || true
    fi
    umount /etc/resolv.conf 2>/dev/null || true
    umount /etc/ssl/certs 2>/dev/null || true
    rm -rf "$work"
    exit $status
}
trap cleanup EXIT

fail()
{
    echo "login-e2e: $*" >&2
    exit 1
}

wait_for()
{
    for _ in $(seq 1 100); do
        if curl -s -o /dev/null --max-time 1 "$@"; then
            return 0
        fi
        sleep 0.2
    done
    fail "no server at $*"
}

# --- A certificate authority, trusted through a private copy of the system's store, and one server certificate
make_certificates "$work" "Nelvora login e2e CA" \
    DNS:dav.example.test,DNS:fallback.test,DNS:cloud.example.test,DNS:localhost,IP:127.0.0.1
trust_privately "$work" nelvora-login-e2e
printf 'nameserver 127.0.0.1\noptions timeout:1 attempts:2\n' >"$work/resolv.conf"
mount --bind "$work/resolv.conf" /etc/resolv.conf

# --- The name service: SRV and TXT for example.test, nothing but an address for fallback.test
/usr/sbin/dnsmasq --keep-in-foreground --no-resolv --no-hosts --no-poll --bind-interfaces --listen-address=127.0.0.1 \
    --port=53 --user=root --pid-file="$work/dnsmasq.pid" --log-queries --log-facility="$work/dnsmasq.log" \
    --address=/example.test/127.0.0.1 --address=/fallback.test/127.0.0.1 \
    --srv-host=_carddavs._tcp.example.test,dav.example.test,8443,0,0 \
    --txt-record=_carddavs._tcp.example.test,path=/alice/ &
pids+=($!)

# --- Radicale over TLS on 443 (what a domain's /.well-known/carddav is found at) and 8443 (what the SRV record says)
mkdir -p "$work/radicale"
echo "alice:s3cret" >"$work/radicale/users"
cat >"$work/radicale/config" <<CONF
[server]
hosts = 127.0.0.1:443, 127.0.0.1:8443
ssl = True
certificate = $work/server.crt
key = $work/server.key
[auth]
type = htpasswd
htpasswd_filename = $work/radicale/users
htpasswd_encryption = plain
[storage]
filesystem_folder = $work/radicale/collections
[logging]
level = info
CONF
/usr/bin/python3 -m radicale --config "$work/radicale/config" >"$work/radicale.log" 2>&1 &
pids+=($!)
wait_for --cacert "$work/ca.crt" https://dav.example.test:8443/
wait_for --cacert "$work/ca.crt" https://fallback.test/

# --- The log-in in the browser: the flow's server in front of the same Radicale
/usr/bin/python3 "$here/nextcloud-login-flow.py" 9443 "$work/server.crt" "$work/server.key" \
    https://cloud.example.test:9443 https://localhost:443 "$work/ca.crt" "$work/radicale/users" alice \
    "$work/flow.log" 2>"$work/flow-errors.log" &
pids+=($!)
wait_for --cacert "$work/ca.crt" https://cloud.example.test:9443/

# --- Two books with a card each, as another client writes them
rcurl()
{
    curl -sS -f --cacert "$work/ca.crt" -u alice:s3cret "$@"
}
for book in family work; do
    rcurl -X MKCOL -H 'Content-Type: application/xml' --data "<?xml version=\"1.0\"?><D:mkcol xmlns:D=\"DAV:\" \
xmlns:C=\"urn:ietf:params:xml:ns:carddav\"><D:set><D:prop><D:resourcetype><D:collection/><C:addressbook/>\
</D:resourcetype><D:displayname>$book</D:displayname></D:prop></D:set></D:mkcol>" \
        "https://dav.example.test:8443/alice/$book/" >/dev/null
done
printf 'BEGIN:VCARD\r\nVERSION:3.0\r\nUID:anna\r\nFN:Anna Berg\r\nBDAY:1980-03-14\r\nEND:VCARD\r\n' |
    rcurl -X PUT -H 'Content-Type: text/vcard' --data-binary @- https://dav.example.test:8443/alice/family/anna.vcf \
        >/dev/null

# --- The user's side: a private home and keyring; the browser is a recorder that visits the page it is given
export HOME=$work/home
export XDG_CONFIG_HOME=$HOME/.config XDG_CACHE_HOME=$HOME/.cache XDG_DATA_HOME=$HOME/.local/share
mkdir -p "$HOME" "$work/run" "$work/bin"
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR=$work/runtime
printf 'keyring-unlock' | gnome-keyring-daemon --foreground --unlock --components=secrets >"$work/keyring.log" 2>&1 &
pids+=($!)
cat >"$work/bin/xdg-open" <<OPENER
#!/bin/sh
echo "\$1" >>"$work/opened"
exec curl -sS -f --cacert "$work/ca.crt" -o /dev/null "\$1"
OPENER
chmod 755 "$work/bin/xdg-open"
export PATH=$work/bin:$PATH
sleep 1
cd "$work/run"
run()
{
    timeout 60 "$report" "$@"
}
# The dialog on an X server of its own where there is one, else drawn into memory.
platform=offscreen
if command -v Xvfb >/dev/null; then
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >"$work/xvfb.log" 2>&1 &
    pids+=($!)
    for _ in $(seq 50); do [ -s "$work/display" ] && break; sleep 0.1; done
    if [ -s "$work/display" ]; then
        export DISPLAY=:$(cat "$work/display")
        platform=xcb
    fi
fi
drive()
{
    QT_QPA_PLATFORM=$platform timeout 120 "$driver" "$@"
}

# 1. The command line: an e-mail address, its SRV target and the TXT record's path; the books are found.
echo "== --add-account alice@example.test"
added=$(printf 's3cret\n' | run --add-account alice@example.test --user alice)
grep -q "^https://dav.example.test:8443/alice/family/	family$" <<<"$added" || fail "the SRV target's books: $added"
grep -q "^https://dav.example.test:8443/alice/work/	work$" <<<"$added" || fail "the SRV target's books: $added"
grep -q "_carddavs._tcp.example.test" "$work/dnsmasq.log" || fail "no SRV lookup"
[ "$(run --accounts)" = "https://dav.example.test:8443/alice/	alice" ] || fail "the account: $(run --accounts)"
# Read whole before grep looks: grep -q leaves at the first match, and the writer's broken pipe would count.
grep -q "^carddav	https://dav.example.test:8443/alice/family/	1	ok" <<<"$(run --sources)" ||
    fail "the book is not read: $(run --sources)"
run --remove-account https://dav.example.test:8443/alice/ >/dev/null

# 2. A domain without SRV record: its own /.well-known/carddav over https.
echo "== --add-account alice@fallback.test"
added=$(printf 's3cret\n' | run --add-account alice@fallback.test --user alice)
grep -q "^https://fallback.test/alice/family/	family$" <<<"$added" || fail "the fallback's books: $added"
run --remove-account https://fallback.test/ >/dev/null
# A domain that has neither says so.
if printf 'secret\n' | run --add-account bob@nowhere.test 2>"$work/nowhere.txt"; then
    fail "an account without a server was added"
fi
grep -q "no address-book server was found for this e-mail address" "$work/nowhere.txt" ||
    fail "no word of the missing server: $(cat "$work/nowhere.txt")"

# 3. The window's Add dialog: the e-mail address fills in the user name (changed here), the server is found.
echo "== the dialog ($platform), by e-mail address"
logged=$(wc -l <"$work/radicale.log")
said=$(printf 's3cret\n' | drive --server alice@example.test --user alice --password-stdin) ||
    fail "the dialog did not add the account: $said"
# The login test found the books; the first sync starts from them: the home is listed once.
listed=$(tail -n +"$((logged + 1))" "$work/radicale.log" | grep -c "PROPFIND request for '/alice/' with depth '1'" || true)
[ "$listed" -eq 1 ] || fail "adding the account in the dialog listed its home $listed times"
grep -q "^user name filled in: alice@example.test$" <<<"$said" || fail "the user name was not filled in: $said"
grep -q "^busy shown: yes$" <<<"$said" || fail "no busy indication: $said"
grep -q "^synced https://dav.example.test:8443/alice/: ok$" <<<"$said" || fail "the first sync: $said"
[ "$(run --accounts)" = "https://dav.example.test:8443/alice/	alice" ] || fail "the account: $(run --accounts)"

# 4. The log-in in the browser: no password typed; the app password ends in the keyring and nowhere else.
echo "== the dialog, log-in in the browser"
said=$(drive --server https://cloud.example.test:9443 --browser </dev/null) ||
    fail "the log-in in the browser did not add the account: $said"
grep -q "^https://cloud.example.test:9443/login/v2/flow/" "$work/opened" || fail "the browser was not opened"
grep -q "^the browser granted the access$" "$work/flow.log" || fail "the page was not visited"
grep -q "^synced https://cloud.example.test:9443: ok$" <<<"$said" || fail "the first sync: $said"
app=$(sed -n 's/^alice:\(app-.*\)$/\1/p' "$work/radicale/users")
[ -n "$app" ] || fail "no app password was handed out"
grep -q "^https://cloud.example.test:9443	alice$" <<<"$(run --accounts)" || fail "the account: $(run --accounts)"
[ "$(secret-tool lookup server nelvora-carddav user "alice@https://cloud.example.test:9443")" = "$app" ] ||
    fail "the keyring does not hold the app password"
if grep -rqa -e "$app" -e s3cret "$XDG_CONFIG_HOME" "$XDG_CACHE_HOME" "$work/run"; then
    fail "a password was written to a file or the output"
fi
if grep -qa -e "$app" -e "token=" <<<"$said"; then
    fail "the output shows the app password or the token"
fi
synced=$(run --sync --sources 2>"$work/sync.txt") || fail "--sync failed: $(cat "$work/sync.txt")"
grep -q "^carddav	https://cloud.example.test:9443/alice/family/	1	ok" <<<"$synced" ||
    fail "the browser account's books are not read: $synced"
# Not a terminal: no progress lines.
[ ! -s "$work/sync.txt" ] || fail "--sync wrote to a standard error that is no terminal: $(cat "$work/sync.txt")"
# On a terminal: each account's line, written over while it syncs (script gives the program a terminal).
if command -v script >/dev/null; then
    echo "== --sync on a terminal"
    TERM=dumb script -qec "timeout 60 '$report' --sync --sources 2>&1 >/dev/null" /dev/null >"$work/terminal.txt" ||
        fail "--sync on a terminal failed: $(cat "$work/terminal.txt")"
    for account in https://dav.example.test:8443/alice/ https://cloud.example.test:9443; do
        grep -qF "nelvora-report: $account: syncing…" "$work/terminal.txt" || fail "no progress of $account"
        grep -qE "nelvora-report: $account: synced, [0-9]+ new or changed cards?" "$work/terminal.txt" ||
            fail "no end of $account's sync: $(cat -v "$work/terminal.txt")"
    done
    [ "$(grep -c $'\r' "$work/terminal.txt")" -ge 2 ] || fail "the lines are not written over"
fi
echo "login-e2e: all passed"
