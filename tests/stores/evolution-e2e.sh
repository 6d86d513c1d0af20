#!/usr/bin/env bash
# Evolution Data Server itself as the store: in a private D-Bus session with its own home and XDG folders,
# contacts are added through Evolution's client library while its address-book service runs, a synced book's
# cache is written by Evolution's own cache class, and a vCard folder holds one of the same people again. The
# report, run with no --contacts, must list every birthday and anniversary once, leave every store file as it
# was, see a birthday changed through the library on its next run, and list the stores with --sources.
#
# Usage: evolution-e2e.sh <nelvora-report>
set -euo pipefail

report=$(realpath "${1:?nelvora-report}")
here=$(cd "$(dirname "$0")" && pwd)

if [ "${NELVORA_EDS_SESSION:-}" != 1 ]; then
    for tool in dbus-run-session dbus-send /usr/libexec/evolution-addressbook-factory sha256sum; do
        command -v "$tool" >/dev/null || [ -x "$tool" ] ||
            { echo "evolution-e2e: missing $tool (run scripts/setup --tests)" >&2; exit 1; }
    done
    work=$(mktemp -d "${TMPDIR:-/tmp}/nelvora-eds.XXXXXX")
    trap 'rm -rf "$work"' EXIT
    export HOME=$work/home XDG_RUNTIME_DIR=$work/run
    export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
    unset DBUS_SESSION_BUS_ADDRESS VDIRSYNCER_CONFIG KHARD_CONFIG
    mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"
    # The services print their start-up chatter (and, as root, that they cannot raise the file limit).
    NELVORA_EDS_SESSION=1 timeout 240 dbus-run-session -- bash "$0" "$report" 2>"$work/session.log" && exit 0
    status=$?
    grep -v -e '^dbus-daemon' -e 'file descriptors' "$work/session.log" >&2 || true
    exit $status
fi

failures=0
fail() { echo "evolution-e2e: FAIL: $*" >&2; failures=$((failures + 1)); }
book() { /usr/bin/python3 "$here/eds-book.py" "$@"; }

# A synced (CardDAV) book: its source file and the cache the service keeps for it.
mkdir -p "$XDG_CONFIG_HOME/evolution/sources" "$XDG_CACHE_HOME/evolution/addressbook/nelvora-test-carddav"
printf '[Data Source]\nDisplayName=Work\nEnabled=true\n\n[Address Book]\nBackendName=carddav\n' \
    >"$XDG_CONFIG_HOME/evolution/sources/nelvora-test-carddav.source"
book cache "$XDG_CACHE_HOME/evolution/addressbook/nelvora-test-carddav/cache.db"

# The personal book, through the running service: a birthday with an anniversary, 29 February, no year.
book add ann "Ann Evolution" 1980-03-22 2005-03-25
book add bo "Bo Leap" 2000-02-29
book add cy "Cy Noyear" --03-24
# The same Ann in a vCard folder, without a year and written differently: one person, one row.
mkdir -p "$XDG_DATA_HOME/contacts"
printf 'BEGIN:VCARD\r\nVERSION:3.0\r\nFN:ann   EVOLUTION\r\nBDAY:--0322\r\nEND:VCARD\r\n' >"$XDG_DATA_HOME/contacts/ann.vcf"
printf 'BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Dee Folder\r\nBDAY:1990-03-10\r\nEND:VCARD\r\n' >"$XDG_DATA_HOME/contacts/dee.vcf"

running=$(dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner string:org.gnome.evolution.dataserver.AddressBook10 | tail -1)
[[ $running == *true ]] || fail "the address-book service is not running"

# Every file in the store folders with its size, modification time and hash.
snapshot()
{
    find "$XDG_DATA_HOME/evolution/addressbook" "$XDG_CACHE_HOME/evolution/addressbook" "$XDG_DATA_HOME/contacts" \
        -type f -printf '%p %s %T@\n' -exec sha256sum {} + | sort
}
before=$(snapshot)

run()
{
    "$report" --today 2028-02-27 --days 30 --format tsv 2>"$HOME/stderr"
}
# Rows of a group come in display-name order.
expected=$'within\tBo Leap\tbday. 28 occurs in 2 days \t2000-02-29
within\tSynced Sam\tbday. 57 occurs in 3 days \t1971-03-01
within\tOffline Olga\tbday. 56 occurs in 4 days \t1972-03-02
within\tDee Folder\tbday. 38 occurs in 12 days \t1990-03-10
within\tAnn Evolution\tbday. 48 occurs in 24 days \t1980-03-22
within\tCy Noyear\tbday. occurs in 26 days \t--03-24
within\tAnn Evolution\tanniv. 23 occurs in 27 days \t2005-03-25'
got=$(run) || fail "the report exited with $? (expected 0: something is due)"
[ "$got" == "$expected" ] || fail "report rows differ:"$'\n'"$(diff <(echo "$expected") <(echo "$got"))"
[ -s "$HOME/stderr" ] && fail "unexpected messages: $(cat "$HOME/stderr")"

after=$(snapshot)
[ "$before" == "$after" ] || fail "store files changed:"$'\n'"$(diff <(echo "$before") <(echo "$after"))"

sources=$("$report" --sources) || fail "--sources exited with $?"
for line in $'vcard-folder\t'"$XDG_DATA_HOME/contacts"$'\t2\tok' \
    $'evolution\t'"$XDG_DATA_HOME/evolution/addressbook/system/contacts.db"$'\t3\tok' \
    $'evolution\t'"$XDG_CACHE_HOME/evolution/addressbook/nelvora-test-carddav/cache.db"$'\t2\tok'; do
    grep -qxF "$line" <<<"$sources" || fail "--sources lacks: $line"$'\n'"$sources"
done

book birthday ann 1980-02-28
got=$(run) || true
grep -qxF $'tomorrow\tAnn Evolution\tbday. 48 \t1980-02-28' <<<"$got" ||
    fail "the changed birthday is not seen:"$'\n'"$got"

[ "$failures" -eq 0 ] && echo "evolution-e2e: ok"
exit $((failures > 0))
