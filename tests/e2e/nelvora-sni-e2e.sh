#!/usr/bin/env bash
# The tray over D-Bus, as KDE Plasma, most panels and GNOME with the AppIndicator extension show it: on a private
# session bus where a StatusNotifierWatcher with a host runs (and no XEmbed tray does), the real program registers
# its StatusNotifierItem, the item's Activate shows the window, and its exported menu offers "Show Main Window",
# which brings the window back after "Send to Tray", and "Quit Application", which ends the program with status 0.
#
# Usage: nelvora-sni-e2e.sh <folder holding nelvora and nelvora-launch> <folder for the screenshots>
set -uo pipefail

# A session bus of our own, ended with the test; the toolkit looks for the watcher on the session bus.
if [ -z "${NELVORA_SNI_PRIVATE_BUS:-}" ]; then
    command -v dbus-run-session >/dev/null || { echo "sni: missing tool: dbus-run-session (run scripts/setup --tests)" >&2; exit 1; }
    NELVORA_SNI_PRIVATE_BUS=1 exec dbus-run-session -- "$0" "$@"
fi

bindir=$(cd "${1:?bin folder}" && pwd)
artifacts=${2:?artifact folder}
mkdir -p "$artifacts"
artifacts=$(cd "$artifacts" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3

for tool in Xvfb openbox xdotool xwininfo xprop import timeout date; do
    command -v "$tool" >/dev/null || { echo "sni: missing tool: $tool (run scripts/setup --tests)" >&2; exit 1; }
done
"$python" -c 'import dbus, gi' 2>/dev/null || { echo "sni: python3-dbus and python3-gi are needed (run scripts/setup --tests)" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/nelvora-sni.XXXXXX")
pids=()
check=sni
# shellcheck source=xsession.sh
. "$here/xsession.sh"

trap end_session EXIT
trap 'exit 130' INT TERM

bus=$DBUS_SESSION_BUS_ADDRESS
private_environment
export DBUS_SESSION_BUS_ADDRESS=$bus
# No desktop to detect: the toolkit's generic theme decides between the D-Bus and the XEmbed tray by itself.
unset XDG_CURRENT_DESKTOP XDG_SESSION_DESKTOP DESKTOP_SESSION QT_QPA_PLATFORMTHEME KDE_FULL_SESSION GNOME_DESKTOP_SESSION_ID

start_xvfb || { echo "sni: no display for Xvfb" >&2; exit 1; }
step "private display $DISPLAY, bus $DBUS_SESSION_BUS_ADDRESS"
start_window_manager || { echo "sni: no window manager" >&2; exit 1; }

items=$work/items
"$python" "$here/sni-watcher.py" watch "$items" >"$work/watcher.log" 2>&1 &
pids+=($!)
wait_for 20 test -e "$items" || { echo "sni: the watcher did not start: $(cat "$work/watcher.log")" >&2; exit 1; }

sni() { timeout 10 "$python" "$here/sni-watcher.py" "$@"; }
registered() { [ -s "$items" ]; }
has_entry() { printf '%s\n' "$menu" | cut -f2 | grep -qxF "$1"; }

# Daily mode with nothing due: the program starts in the tray, reachable only through its item.
case_dir=$work/case
echo "Far Away|$(birth_date 100)" | write_contacts "$case_dir/data/contacts"
mkdir -p "$case_dir/config/nelvora"
write_options "$case_dir/config/nelvora/Nelvora.cfg" 2 15 30
XDG_DATA_HOME=$case_dir/data XDG_CONFIG_HOME=$case_dir/config "$bindir/nelvora-launch" >"$case_dir/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")

step "the item registers with the watcher"
if ! wait_for 30 registered; then
    fail "no StatusNotifierItem registered"
else
    read -r service path <"$items"
    step "item $service$path"
    [ -z "$(main_window)" ] || fail "the window showed although nothing is due"

    step "Activate shows the window"
    sni activate "$service" "$path" || fail "Activate failed"
    if ! wait_for 10 main_window; then
        fail "Activate did not show the window"
    else
        window=$(main_window)
        sleep 0.5
        import -window root "$artifacts/sni-activated.png" 2>/dev/null

        step "the menu"
        menu=$(sni menu "$service" "$path") || fail "the menu could not be read"
        printf '%s\n' "$menu" | sed 's/^/sni:   /'
        has_entry "Show Main Window" || fail "no 'Show Main Window' in the menu"
        has_entry "Quit Application" || fail "no 'Quit Application' in the menu"

        step "Send to Tray, then Show Main Window from the menu"
        timeout 5 xdotool windowactivate --sync "$window" >/dev/null 2>&1
        xdotool key --clearmodifiers alt+s
        wait_for 5 is_unmapped "$window" || fail "Send to Tray did not hide the window"
        sni click "$service" "$path" "Show Main Window" || fail "Show Main Window could not be clicked"
        wait_for 10 is_mapped "$window" || fail "Show Main Window did not show the window"
    fi

    step "Quit Application from the menu"
    sni click "$service" "$path" "Quit Application" || fail "Quit Application could not be clicked"
fi
wait_exit "$program_pid" 15
[ "$exit_status" = 0 ] || fail "Quit Application: exit status $exit_status"

if [ "$failures" -ne 0 ]; then
    { echo "--- program"; cat "$case_dir/program.log"; echo "--- watcher"; cat "$work/watcher.log"; } >&2
    echo "sni: $failures failure(s); screenshots in $artifacts" >&2
    exit 1
fi
echo "sni: all passed"
