#!/usr/bin/env bash
# The vCard stores of a Linux desktop, found with no --contacts: the XDG contacts folder and the literal
# ~/.local/share/contacts, KDE's folder and file resources, vdirsyncer's filesystem and singlefile storages, and
# khard's address books, one of them filled by khard's own `new` command. A person in two stores is one row,
# rows come in display-name order, broken stores are skipped with a reason, and nothing in the home folder
# changes.
#
# Usage: vcard-stores-e2e.sh <nelvora-report>
set -euo pipefail

report=$(realpath "${1:?nelvora-report}")
command -v khard >/dev/null || { echo "vcard-stores-e2e: missing khard (run scripts/setup --tests)" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/nelvora-vcard.XXXXXX")
trap 'rm -rf "$work"' EXIT
export HOME=$work/home
export XDG_DATA_HOME=$HOME/data XDG_CONFIG_HOME=$HOME/.config
unset XDG_CACHE_HOME VDIRSYNCER_CONFIG KHARD_CONFIG
mkdir -p "$HOME"

failures=0
fail() { echo "vcard-stores-e2e: FAIL: $*" >&2; failures=$((failures + 1)); }
card() # FILE FN BDAY
{
    mkdir -p "$(dirname "$1")"
    printf 'BEGIN:VCARD\r\nVERSION:3.0\r\nFN:%s\r\nBDAY:%s\r\nEND:VCARD\r\n' "$2" "$3" >"$1"
}

# XDG_DATA_HOME's folder and the literal one KDE's personal resource uses.
card "$XDG_DATA_HOME/contacts/xena.vcf" "Xena Xdg" --0301
card "$HOME/.local/share/contacts/kai.vcf" "Kai Personal" 1970-03-02

# KDE resources: a folder, a file (file:// with an escaped blank), a device, a FIFO and a missing folder.
mkdir -p "$XDG_CONFIG_HOME"
printf '[General]\nPath[$e]=$HOME/kde dir\n' >"$XDG_CONFIG_HOME/akonadi_vcarddir_resource_0rc"
card "$HOME/kde dir/v.vcf" "Vera Vcarddir" 1970-03-03
printf '# KDE file resource\n[General]\nPath=file://%s/kde%%20file.vcf\nReadOnly=false\n' "$HOME" \
    >"$XDG_CONFIG_HOME/akonadi_vcard_resource_1rc"
card "$HOME/kde file.vcf" "Fay File" 1970-03-04
printf '[General]\nPath=/dev/zero\n' >"$XDG_CONFIG_HOME/akonadi_contacts_resource_2rc"
mkfifo "$HOME/fifo.vcf"
printf '[General]\nPath=~/fifo.vcf\n' >"$XDG_CONFIG_HOME/akonadi_vcard_resource_3rc"
printf '[General]\nPath=~/gone\n' >"$XDG_CONFIG_HOME/akonadi_contacts_resource_4rc"

# vdirsyncer: a filesystem storage of contacts, a calendar storage that must be ignored, a singlefile storage
# with one file per collection, and a remote storage.
mkdir -p "$XDG_CONFIG_HOME/vdirsyncer"
cat >"$XDG_CONFIG_HOME/vdirsyncer/config" <<'CONFIG'
[general]
status_path = "~/.vdirsyncer/status/"

[pair contacts]
a = "contacts_local"
b = "contacts_remote"
collections = ["from a",
    "from b"]

# Contacts, one folder per collection
[storage contacts_local]
type = "filesystem"
path = "~/vdir/contacts/"
fileext = ".vcf"

[storage calendar_local]
type = "filesystem"
path = "~/vdir/calendars/"
fileext = ".ics"

[storage one_file]
type = "singlefile"
path = "~/single/%s.vcf"

[storage contacts_remote]
type = "carddav"
url = "https://dav.invalid/"
CONFIG
card "$HOME/vdir/contacts/default/x.vcf" "xena   XDG" 1969-03-01
card "$HOME/vdir/contacts/default/v.vcf" "Vic Vdir" 1970-03-05
card "$HOME/vdir/calendars/default/cal.vcf" "Cal Ignored" 1970-03-06
card "$HOME/single/work.vcf" "Sid Single" 1970-03-07
card "$HOME/single/home.vcf" "hal Single" 1970-03-08

# khard: a book filled by khard itself, and a discovered one (added after khard ran: Debian 12's khard 0.18
# knows no `type = discover`).
mkdir -p "$XDG_CONFIG_HOME/khard" "$HOME/books/family"
printf '[addressbooks]\n[[family]]\npath = ~/books/family/\n' >"$XDG_CONFIG_HOME/khard/khard.conf"
printf 'First name : Kim\nLast name : Khard\nBirthday : 1985-03-10\nAnniversary : 1990-03-11\n' >"$work/kim.yaml"
khard new -a family -i "$work/kim.yaml" >"$work/khard.log" 2>&1 || fail "khard new failed: $(cat "$work/khard.log")"
printf '[[dav]]\npath = "~/books/dav/*"   # one folder per collection\ntype = discover\n' \
    >>"$XDG_CONFIG_HOME/khard/khard.conf"
card "$HOME/books/dav/one/d.vcf" "Dan Discover" 1970-03-09

snapshot() { find "$HOME" -printf '%p %y %s %T@\n' | sort; find "$HOME" -type f -name '*.vcf' -exec sha256sum {} + | sort; }
before=$(snapshot)

got=$(timeout 60 "$report" --today 1999-02-27 --days 30 --format tsv 2>"$work/stderr") || fail "report exited with $?"
expected=$'within\txena   XDG\tbday. 30 occurs in 2 days \t1969-03-01
within\tKai Personal\tbday. 29 occurs in 3 days \t1970-03-02
within\tVera Vcarddir\tbday. 29 occurs in 4 days \t1970-03-03
within\tFay File\tbday. 29 occurs in 5 days \t1970-03-04
within\tVic Vdir\tbday. 29 occurs in 6 days \t1970-03-05
within\tSid Single\tbday. 29 occurs in 8 days \t1970-03-07
within\thal Single\tbday. 29 occurs in 9 days \t1970-03-08
within\tDan Discover\tbday. 29 occurs in 10 days \t1970-03-09
within\tKim Khard\tbday. 14 occurs in 11 days \t1985-03-10
within\tKim Khard\tanniv. 9 occurs in 12 days \t1990-03-11'
[ "$got" == "$expected" ] || fail "report rows differ:"$'\n'"$(diff <(echo "$expected") <(echo "$got"))"
expectedErrors="nelvora-report: skipped /dev/zero: not a regular file or folder
nelvora-report: skipped $HOME/fifo.vcf: not a regular file or folder"
[ "$(cat "$work/stderr")" == "$expectedErrors" ] || fail "standard error: $(cat "$work/stderr")"

[ "$before" == "$(snapshot)" ] || fail "the home folder changed:"$'\n'"$(diff <(echo "$before") <(snapshot))"

sources=$(timeout 60 "$report" --sources) || fail "--sources exited with $?"
for line in $'vcard-folder\t'"$XDG_DATA_HOME/contacts"$'\t1\tok' \
    $'vcard-folder\t'"$HOME/.local/share/contacts"$'\t1\tok' \
    $'vcard-folder\t'"$HOME/kde dir"$'\t1\tok' \
    $'vcard-file\t'"$HOME/kde file.vcf"$'\t1\tok' \
    $'vcard-file\t/dev/zero\t0\tnot a regular file or folder' \
    $'vcard-folder\t'"$HOME/vdir/contacts"$'\t2\tok' \
    $'vcard-file\t'"$HOME/single/home.vcf"$'\t1\tok' \
    $'vcard-folder\t'"$HOME/books/family"$'\t1\tok' \
    $'vcard-folder\t'"$HOME/books/dav/one"$'\t1\tok'; do
    grep -qxF "$line" <<<"$sources" || fail "--sources lacks: $line"$'\n'"$sources"
done
grep -q -e calendars -e gone <<<"$sources" && fail "--sources lists what is no contact store:"$'\n'"$sources"

[ "$failures" -eq 0 ] && echo "vcard-stores-e2e: ok"
exit $((failures > 0))
