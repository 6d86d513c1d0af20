#!/usr/bin/env bash
# Thunderbird's books as a running Thunderbird leaves them: a home with profiles.ini naming a profile inside it and
# one on another disk, prefs.js naming a local and a CardDAV book besides the personal one and the collected
# addresses, and the personal book held by another process under an exclusive lock with its newest card only in
# the -wal. The report, run with no --contacts, must list every birthday and anniversary (that card included),
# leave out the collected addresses, leave every book file as it was, leave no copy behind, and show each book
# with its profile in --sources.
#
# Usage: thunderbird-e2e.sh <nelvora-report>
set -euo pipefail

report=$(realpath "${1:?nelvora-report}")
here=$(cd "$(dirname "$0")" && pwd)
for tool in /usr/bin/python3 sha256sum; do
    [ -x "$(command -v "$tool")" ] || { echo "thunderbird-e2e: missing $tool (run scripts/setup --tests)" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/nelvora-thunderbird.XXXXXX")
holder=
cleanup()
{
    [ -n "$holder" ] && { kill "$holder" 2>/dev/null; wait "$holder" 2>/dev/null || true; }
    rm -rf "$work"
}
trap cleanup EXIT
export HOME=$work/home XDG_RUNTIME_DIR=$work/run
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
unset VDIRSYNCER_CONFIG KHARD_CONFIG
mkdir -p "$HOME" && mkdir -m 700 "$XDG_RUNTIME_DIR"

failures=0
fail() { echo "thunderbird-e2e: FAIL: $*" >&2; failures=$((failures + 1)); }
book() { /usr/bin/python3 "$here/thunderbird-book.py" "$@"; }
vcard() { printf 'BEGIN:VCARD\r\nVERSION:4.0\r\nFN:%s\r\n%sEND:VCARD\r\n' "$1" "${2:-}"; }

profile=$HOME/.thunderbird/k3x9q2mf.default-release
other=$work/disk/work-profile
mkdir -p "$profile" "$other"
cat >"$HOME/.thunderbird/profiles.ini" <<EOF
[Install4F96D1932A9F858E]
Default=k3x9q2mf.default-release
Locked=1

[Profile1]
Name=work
IsRelative=0
Path=$other

[Profile0]
Name=default-release
IsRelative=1
Path=k3x9q2mf.default-release
Default=1

[General]
StartWithLastProfile=1
Version=2
EOF
cat >"$profile/prefs.js" <<'EOF'
// Mozilla User Preferences
user_pref("ldap_2.servers.Friends.description", "Friends");
user_pref("ldap_2.servers.Friends.dirType", 101);
user_pref("ldap_2.servers.Friends.filename", "abook-1.sqlite");
user_pref("ldap_2.servers.history.filename", "history.sqlite");
user_pref("ldap_2.servers.Club.carddav.url", "https://dav.example.org/addressbooks/me/club/");
user_pref("ldap_2.servers.Club.dirType", 102);
user_pref("ldap_2.servers.Club.filename", "abook-2.sqlite");
EOF

# The personal book: cards as Thunderbird 102 and later write them, a card without dates, a list.
book create "$profile/abook.sqlite"
book card "$profile/abook.sqlite" 6f1c0d5e-ann "_vCard=$(vcard 'Ann Thunder' $'BDAY;VALUE=DATE:19800322\r\nANNIVERSARY;VALUE=DATE:20050325\r\n')" \
    "DisplayName=Ann Thunder" "PrimaryEmail=ann@example.org"
book card "$profile/abook.sqlite" 0d2e77aa-nodate "_vCard=$(vcard 'Nat Nodate')" "DisplayName=Nat Nodate"
book list "$profile/abook.sqlite" 9a1b-list "Choir" 6f1c0d5e-ann 0d2e77aa-nodate
# A book from before Thunderbird 102: separate properties, one without a display name and without a year.
book create "$profile/abook-1.sqlite"
book card "$profile/abook-1.sqlite" 1 "DisplayName=Olga Older" BirthYear=1972 BirthMonth=3 BirthDay=2 \
    AnniversaryYear=1999 AnniversaryMonth=03 AnniversaryDay=20
book card "$profile/abook-1.sqlite" 2 FirstName=Fred LastName=Firstlast BirthMonth=3 BirthDay=24
# A CardDAV book with a leap-day birthday, and the collected addresses, which must stay out.
book create "$profile/abook-2.sqlite"
book card "$profile/abook-2.sqlite" c1 "_vCard=$(vcard 'Bo Leap' $'BDAY:20000229\r\n')"
book create "$profile/history.sqlite"
book card "$profile/history.sqlite" h1 "_vCard=$(vcard 'Hugo History' $'BDAY:19900301\r\n')"
# The profile on another disk.
book create "$other/abook.sqlite"
book card "$other/abook.sqlite" w1 "_vCard=$(vcard 'Wim Work' $'BDAY:--0310\r\n')"

# Thunderbird runs: the personal book is locked, and its newest card is only in the -wal.
coproc HOLD { exec /usr/bin/python3 "$here/thunderbird-book.py" hold "$profile/abook.sqlite" 44aa-wal \
    "_vCard=$(vcard 'Wes Waldo' $'BDAY:19880305\r\n')"; }
holder=$HOLD_PID
read -r -t 30 ready <&"${HOLD[0]}" || true
[ "${ready:-}" == holding ] || { echo "thunderbird-e2e: the book holder did not start" >&2; exit 1; }
[ -s "$profile/abook.sqlite-wal" ] || fail "the newest card is not in a -wal"
book locked "$profile/abook.sqlite" || fail "the personal book is not locked"

# Every file of both profiles with its size, modification time and hash.
snapshot()
{
    find "$HOME/.thunderbird" "$other" -type f -printf '%p %s %T@\n' -exec sha256sum {} + | sort
}
before=$(snapshot)

expected=$'within\tBo Leap\tbday. 28 occurs in 2 days \t2000-02-29
within\tOlga Older\tbday. 56 occurs in 4 days \t1972-03-02
within\tWes Waldo\tbday. 40 occurs in 7 days \t1988-03-05
within\tWim Work\tbday. occurs in 12 days \t--03-10
within\tOlga Older\tanniv. 29 occurs in 22 days \t1999-03-20
within\tAnn Thunder\tbday. 48 occurs in 24 days \t1980-03-22
within\tFred Firstlast\tbday. occurs in 26 days \t--03-24
within\tAnn Thunder\tanniv. 23 occurs in 27 days \t2005-03-25'
got=$("$report" --today 2028-02-27 --days 30 --format tsv 2>"$work/stderr") || fail "the report exited with $? (expected 0)"
[ "$got" == "$expected" ] || fail "report rows differ:"$'\n'"$(diff <(echo "$expected") <(echo "$got"))"
[ -s "$work/stderr" ] && fail "unexpected messages: $(cat "$work/stderr")"

sources=$("$report" --sources) || fail "--sources exited with $?"
for line in $'thunderbird\t'"$profile/abook.sqlite"$'\t4\tok' \
    $'thunderbird\t'"$profile/abook-1.sqlite"$'\t2\tok' \
    $'thunderbird\t'"$profile/abook-2.sqlite"$'\t1\tok' \
    $'thunderbird\t'"$other/abook.sqlite"$'\t1\tok'; do
    grep -qxF "$line" <<<"$sources" || fail "--sources lacks: $line"$'\n'"$sources"
done
grep -q history <<<"$sources" && fail "the collected addresses were read: $sources"

after=$(snapshot)
[ "$before" == "$after" ] || fail "book files changed:"$'\n'"$(diff <(echo "$before") <(echo "$after"))"
[ -z "$(ls -A "$XDG_RUNTIME_DIR")" ] || fail "copies left behind: $(ls -A "$XDG_RUNTIME_DIR")"
[ -e "$profile/abook.sqlite-shm" ] && fail "a -shm was made beside the locked book"

[ "$failures" -eq 0 ] && echo "thunderbird-e2e: ok"
exit $((failures > 0))
