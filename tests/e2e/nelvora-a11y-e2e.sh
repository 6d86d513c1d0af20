#!/usr/bin/env bash
# The window as a screen reader meets it: the desktop's accessibility bus (at-spi-bus-launcher) on a private session
# bus, the real program on a private X server with its accessibility on, and the window read through AT-SPI with
# pyatspi (a11y-read.py says what is checked).
#
# Usage: nelvora-a11y-e2e.sh <folder holding nelvora and nelvora-launch> <folder for the screenshots>
set -uo pipefail

if [ -z "${NELVORA_A11Y_PRIVATE_BUS:-}" ]; then
    command -v dbus-run-session >/dev/null || { echo "a11y: missing tool: dbus-run-session (run scripts/setup --tests)" >&2; exit 1; }
    NELVORA_A11Y_PRIVATE_BUS=1 exec dbus-run-session -- "$0" "$@"
fi

bindir=$(cd "${1:?bin folder}" && pwd)
artifacts=${2:?artifact folder}
mkdir -p "$artifacts"
artifacts=$(cd "$artifacts" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3
launcher=/usr/libexec/at-spi-bus-launcher

for tool in Xvfb openbox trayer xprop xwininfo import timeout date "$launcher"; do
    command -v "$tool" >/dev/null || { echo "a11y: missing tool: $tool (run scripts/setup --tests)" >&2; exit 1; }
done
"$python" -c 'import pyatspi' 2>/dev/null || { echo "a11y: python3-pyatspi is needed (run scripts/setup --tests)" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/nelvora-a11y.XXXXXX")
pids=()
# shellcheck source=xsession.sh
. "$here/xsession.sh"

# The bus launcher starts the accessibility bus as a child of its own; it goes with the launcher.
end_a11y()
{
    [ -n "${launcher_pid:-}" ] && pids+=($(pgrep -P "$launcher_pid" 2>/dev/null))
    end_session
}
trap end_a11y EXIT
trap 'exit 130' INT TERM

bus=$DBUS_SESSION_BUS_ADDRESS
private_environment
export DBUS_SESSION_BUS_ADDRESS=$bus
unset AT_SPI_BUS_ADDRESS

start_xvfb || { echo "a11y: no display for Xvfb" >&2; exit 1; }
echo "a11y: private display $DISPLAY, bus $DBUS_SESSION_BUS_ADDRESS"
# A desktop with a notification area: without one the program waits for it before it shows anything.
start_window_manager || { echo "a11y: no window manager" >&2; exit 1; }
start_tray || { echo "a11y: no tray" >&2; exit 1; }

# With a display set, the launcher also names its bus on the root window, where both the toolkit and pyatspi look.
"$launcher" --launch-immediately >"$work/launcher.log" 2>&1 &
launcher_pid=$!
pids+=("$launcher_pid")
wait_for 20 sh -c 'xprop -root AT_SPI_BUS | grep -q unix:' || { echo "a11y: no accessibility bus: $(cat "$work/launcher.log")" >&2; exit 1; }

# Daily mode with a birthday due today and, in the window, Bob's anniversary (3 days), Cleo's birthday (6) and Bob's
# birthday (12): soonest first is not name order, and Bob is there twice. The window shows itself with the list.
year=$(date +%Y)
case_dir=$work/case
printf '%s\n' "Ada Lovelace|1990$(date +%m%d)" "Cleo Cole|$(birth_date 6)" | write_contacts "$case_dir/data/contacts"
printf 'BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Bob Byron\r\nBDAY:%s\r\nANNIVERSARY:%s\r\nEND:VCARD\r\n' \
    "$(birth_date 12)" "$(birth_date 3 | sed 's/^1980/2008/')" >"$case_dir/data/contacts/bob.vcf"
mkdir -p "$case_dir/config/nelvora"
write_options "$case_dir/config/nelvora/Nelvora.cfg" 2 15 30
# An online book as the cache keeps it, whose last sync failed at the login: the Address books page reads it with
# its state. One card without dates, so the event list stays as above.
book=$case_dir/cache/nelvora/carddav/a1/b1
mkdir -p "$book"
printf 'nelvora-carddav-state 1\nbook https://dav.example.test/ann/family/\naccount https://dav.example.test/\nuser ann
name Family\ntoken \nctag \nsynced 1780000000\ncard dora.vcf e1 /ann/family/dora.vcf\n' >"$book/state"
printf 'BEGIN:VCARD\r\nVERSION:3.0\r\nFN:Dora Dav\r\nEND:VCARD\r\n' >"$book/dora.vcf"
printf 'nelvora-carddav-status 1\naccount https://dav.example.test/\ntried 1780000600\nfailed b1 login%%20failed\n' \
    >"$case_dir/cache/nelvora/carddav/a1/status"
QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 XDG_DATA_HOME=$case_dir/data XDG_CONFIG_HOME=$case_dir/config \
    XDG_CACHE_HOME=$case_dir/cache "$bindir/nelvora-launch" >"$case_dir/program.log" 2>&1 &
pids+=($!)

if A11Y_CONTACTS_FOLDER=$case_dir/data/contacts timeout 60 "$python" "$here/a11y-read.py" $((year - 1990)) "Ada Lovelace" \
    "Bob Byron|anniversary|3" "Cleo Cole|birthday|6" "Bob Byron|birthday|12"; then
    echo "a11y: all passed"
    exit 0
fi
import -window root "$artifacts/a11y-failure.png" 2>/dev/null
echo "a11y: windows now: $(xwininfo -root -tree 2>/dev/null | grep -i '"nelvora"' | sed 's/^ *//' | tr '\n' ';')" >&2
{ echo "--- program"; cat "$case_dir/program.log"; echo "--- launcher"; cat "$work/launcher.log"; } >&2
echo "a11y: failed; screenshot in $artifacts" >&2
exit 1
