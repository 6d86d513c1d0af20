#!/usr/bin/env bash
# Reminders through the desktop, with the real program on a private X server and private buses:
#   1. python3-dbusmock's notification daemon receives one Notify per check: app name, icon and desktop-entry hint,
#      a summary that counts what is due, a body that names the person and shows "<b>&</b>" as text; the next
#      check replaces it; the server's "default" action shows the window;
#   2. "notification only" (offset 24 of the options file) leaves the window hidden;
#   3. with no notification server the list still shows and no box appears;
#   4. dunst, a real server, keeps the notification in its history;
#   5. waking from sleep: logind's PrepareForSleep(false) on a private system bus, after libfaketime has moved the
#      date to a birthday (Qt's timers keep real time), shows the list within 5 seconds;
#   6. the next day, with nothing due, the "today" notice of the day before is closed (CloseNotification);
#   7. the notice's "Write to" action opens the mail program registered for mailto: with the greeting;
#   8. SIGTERM (a logout, a service stop) ends the program as "Quit Application" does: its notice is closed;
#   9. after a kill, the next start's notice replaces the one the killed program left (its id is kept in
#      $XDG_RUNTIME_DIR/nelvora).
#
# Usage: nelvora-notify-e2e.sh <folder holding nelvora and nelvora-launch> <folder for the screenshots>
set -uo pipefail

if [ -z "${NELVORA_NOTIFY_PRIVATE_BUS:-}" ]; then
    command -v dbus-run-session >/dev/null || { echo "notify: missing tool: dbus-run-session (run scripts/setup --tests)" >&2; exit 1; }
    # A bus that starts no services by itself: "no notification server" must not be answered by an installed one.
    config=$(mktemp "${TMPDIR:-/tmp}/nelvora-notify-bus.XXXXXX")
    cat >"$config" <<'XML'
<busconfig>
  <type>session</type>
  <listen>unix:tmpdir=/tmp</listen>
  <auth>EXTERNAL</auth>
  <policy context="default"><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/><allow own="*"/></policy>
</busconfig>
XML
    NELVORA_NOTIFY_PRIVATE_BUS=$config exec dbus-run-session --config-file="$config" -- "$0" "$@"
fi
rm -f "$NELVORA_NOTIFY_PRIVATE_BUS"

bindir=$(cd "${1:?bin folder}" && pwd)
artifacts=${2:?artifact folder}
mkdir -p "$artifacts"
artifacts=$(cd "$artifacts" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3

for tool in Xvfb openbox trayer xdotool xwininfo xprop import timeout date dbus-daemon dunst dunstctl; do
    command -v "$tool" >/dev/null || { echo "notify: missing tool: $tool (run scripts/setup --tests)" >&2; exit 1; }
done
"$python" -c 'import dbus, dbusmock' 2>/dev/null || { echo "notify: python3-dbus and python3-dbusmock are needed (run scripts/setup --tests)" >&2; exit 1; }
faketime_lib=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n1)
[ -n "$faketime_lib" ] || { echo "notify: missing libfaketime (run scripts/setup --tests)" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/nelvora-notify.XXXXXX")
pids=()
check=notify
# shellcheck source=xsession.sh
. "$here/xsession.sh"
trap end_session EXIT
trap 'exit 130' INT TERM

bus=$DBUS_SESSION_BUS_ADDRESS
private_environment
export DBUS_SESSION_BUS_ADDRESS=$bus
# No StatusNotifier watcher on this bus: the tray is trayer's XEmbed one.
unset XDG_CURRENT_DESKTOP XDG_SESSION_DESKTOP DESKTOP_SESSION QT_QPA_PLATFORMTHEME KDE_FULL_SESSION
# A system bus of our own, for logind; nothing else answers there.
dbus-daemon --session --nofork --address="unix:path=$work/system-bus" >"$work/system-bus.log" 2>&1 &
pids+=($!)
export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$work/system-bus
wait_for 10 test -S "$work/system-bus" || { echo "notify: no private system bus" >&2; exit 1; }

start_xvfb || { echo "notify: no display for Xvfb" >&2; exit 1; }
step "private display $DISPLAY, bus $DBUS_SESSION_BUS_ADDRESS"
start_window_manager || { echo "notify: no window manager" >&2; exit 1; }
start_tray || { echo "notify: no tray" >&2; exit 1; }

# Calls a method on a bus; `bus` is session or system.
dbus_call()
{
    timeout 10 "$python" - "$@" <<'PY'
import sys, dbus
bus_kind, name, path, interface, method, *args = sys.argv[1:]
bus = dbus.SessionBus() if bus_kind == "session" else dbus.SystemBus()
getattr(dbus.Interface(bus.get_object(name, path), interface), method)(*args)
PY
}
# Makes a mock emit a signal: bus name path interface signal signature values...
emit()
{
    timeout 10 "$python" - "$@" <<'PY'
import sys, dbus
bus_kind, name, path, interface, signal, signature, *values = sys.argv[1:]
bus = dbus.SessionBus() if bus_kind == "session" else dbus.SystemBus()
kinds = {"u": dbus.UInt32, "s": dbus.String, "b": lambda v: dbus.Boolean(v == "true")}
args = [kinds[kind](value) for kind, value in zip(signature, values)]
mock = dbus.Interface(bus.get_object(name, path), "org.freedesktop.DBus.Mock")
mock.EmitSignal(interface, signal, signature, args, signature="sssav")
PY
}

mock_pid=
start_mock()
{
    "$python" -m dbusmock --template notification_daemon -l "$work/notify.log" \
        -p '{"capabilities": "body body-markup actions"}' >"$work/mock.log" 2>&1 &
    mock_pid=$!
    pids+=("$mock_pid")
    wait_for 10 dbus_call session org.freedesktop.Notifications /org/freedesktop/Notifications \
        org.freedesktop.Notifications GetServerInformation
}
stop_mock() { kill "$mock_pid" 2>/dev/null; wait "$mock_pid" 2>/dev/null; }
# The mock's log of calls; counted from `seen`, the calls of the cases before.
seen=0
notify_calls() { echo $(($(grep -ac ' Notify ' "$work/notify.log" 2>/dev/null) - seen)); }
has_notify_calls() { [ "$(notify_calls)" -ge "$1" ]; }
# A call's entry on one line: the body's line breaks become " | ".
notify_line()
{
    awk '/^[0-9]+\.[0-9]+ / {if (entry != "") print entry; entry = $0; next} {entry = entry " | " $0}
         END {if (entry != "") print entry}' "$work/notify.log" | grep -a ' Notify ' | sed -n "$((seen + $1))p"
}

start_program()
{
    local case_dir=$1
    shift
    XDG_DATA_HOME=$case_dir/data XDG_CONFIG_HOME=$case_dir/config "$@" "$bindir/nelvora-launch" \
        >"$case_dir/program.log" 2>&1 &
    program_pid=$!
    pids+=("$program_pid")
}
second_start()
{
    XDG_DATA_HOME=$1/data XDG_CONFIG_HOME=$1/config timeout 20 "$bindir/nelvora-launch" >/dev/null 2>&1
}
# Options with "Remind me with" at offset 24: file run-mode days auto-close remind-with.
write_remind_options()
{
    mkdir -p "$(dirname "$1")"
    printf '%b' "$(le32 0)$(le32 4660)$(le32 "$2")$(le32 "$3")$(le32 "$4")$(le32 0)$(le32 "$5")$(le32 0)" >"$1"
}
quit_program()
{
    local window=$1
    timeout 5 xdotool windowactivate --sync "$window" >/dev/null 2>&1
    xdotool key --clearmodifiers alt+q
    wait_exit "$program_pid" 15
    [ "$exit_status" = 0 ] || fail "$2: Quit Program: exit status $exit_status"
}

# A name stands between FIRST STRONG ISOLATE and POP DIRECTIONAL ISOLATE in its line.
fsi=$(printf '\342\201\250')
pdi=$(printf '\342\201\251')

# ---- 1: the notification, its replacement and its action ----
step "1: a notification server with actions"
start_mock || { echo "notify: the notification mock did not start: $(cat "$work/mock.log")" >&2; exit 1; }
case1=$work/case1
{
    echo "Due Today|$(birth_date 0)"
    echo "<b>&</b>|$(birth_date 0)"
    echo "Due Later|$(birth_date 9)"
} | write_contacts "$case1/data/contacts"
write_remind_options "$case1/config/nelvora/Nelvora.cfg" 2 15 30 0
start_program "$case1"
if ! wait_for 30 main_window; then
    fail "1: the list did not show itself"
else
    window=$(main_window)
    wait_for 10 has_notify_calls 1 || fail "1: no Notify call"
    first=$(notify_line 1)
    step "1: $first"
    for part in '"Nelvora" 0 "org.example.nelvora" "2 birthdays today"' "${fsi}Due Today${pdi}: bday." \
        "${fsi}&lt;b&gt;&amp;&lt;/b&gt;${pdi}: bday." '"desktop-entry": "org.example.nelvora"' '"default"' '"Show List"'; do
        case $first in *"$part"*) ;; *) fail "1: the Notify call lacks $part" ;; esac
    done
    # The server's own timeout: the program takes the notice down when it is no longer true.
    [[ $first =~ \ -1$ ]] || fail "1: the notification is not posted with the server's own timeout"
    case $first in *"Due Later"*) fail "1: a date inside the window was notified before it entered it" ;; esac

    # Send to Tray, back through a second start, then "Check Now": the second notification replaces the first.
    timeout 5 xdotool windowactivate --sync "$window" >/dev/null 2>&1
    xdotool key --clearmodifiers alt+s
    wait_for 5 is_unmapped "$window" || fail "1: Send to Tray did not hide the window"
    second_start "$case1"
    wait_for 10 is_mapped "$window" || fail "1: a second start did not show the window"
    timeout 5 xdotool windowactivate --sync "$window" >/dev/null 2>&1
    xdotool key --clearmodifiers alt+c
    if wait_for 10 has_notify_calls 2; then
        case $(notify_line 2) in *'"Nelvora" 1 "org.example.nelvora"'*) ;; *) fail "1: the second notification does not replace the first: $(notify_line 2)" ;; esac
    else
        fail "1: Check Now sent no second notification"
    fi

    # The notification's default action shows the hidden window.
    xdotool key --clearmodifiers alt+s
    wait_for 5 is_unmapped "$window" || fail "1: Send to Tray did not hide the window"
    emit session org.freedesktop.Notifications /org/freedesktop/Notifications org.freedesktop.Notifications \
        ActionInvoked us 1 default || fail "1: ActionInvoked could not be emitted"
    wait_for 10 is_mapped "$window" || fail "1: the default action did not show the window"
    quit_program "$window" 1
    # Quit takes the notice down: its actions would answer nobody.
    grep -aq ' CloseNotification 1$' "$work/notify.log" || fail "1: Quit left the notice up"
fi

# ---- 2: notification only ----
step "2: notification only"
seen=$(grep -ac ' Notify ' "$work/notify.log")
case2=$work/case2
echo "Only Notified|$(birth_date 0)" | write_contacts "$case2/data/contacts"
write_remind_options "$case2/config/nelvora/Nelvora.cfg" 2 15 30 2
start_program "$case2"
if wait_for 30 has_notify_calls 1; then
    case $(notify_line 1) in *"Only Notified"*) ;; *) fail "2: the notification does not name the person" ;; esac
    sleep 3
    [ -z "$(main_window)" ] || fail "2: the window showed although only a notification was asked for"
    # The mock numbers new notifications from 1; case 1's two calls shared 1.
    emit session org.freedesktop.Notifications /org/freedesktop/Notifications org.freedesktop.Notifications \
        ActionInvoked us 2 show-list || fail "2: ActionInvoked could not be emitted"
    wait_for 10 main_window || fail "2: \"Show List\" did not show the window"
    [ -n "$(main_window)" ] && quit_program "$(main_window)" 2
else
    fail "2: no notification"
    kill "$program_pid" 2>/dev/null
fi
stop_mock

# ---- 3: no notification server ----
step "3: no notification server"
case3=$work/case3
echo "Due Today|$(birth_date 0)" | write_contacts "$case3/data/contacts"
write_remind_options "$case3/config/nelvora/Nelvora.cfg" 2 15 30 0
start_program "$case3"
if ! wait_for 30 main_window; then
    fail "3: without a notification server the list did not show"
else
    sleep 1
    [ -z "$(xdotool search --onlyvisible --name '^Nelvora$' 2>/dev/null)" ] || fail "3: a box appeared"
    quit_program "$(main_window)" 3
fi

# "Notification only", and no server to take the notice: the window stands in.
case3b=$work/case3b
echo "Due Today|$(birth_date 0)" | write_contacts "$case3b/data/contacts"
write_remind_options "$case3b/config/nelvora/Nelvora.cfg" 2 15 30 2
start_program "$case3b"
if ! wait_for 30 main_window; then
    fail "3: \"notification only\" without a notification server lost the reminder"
else
    quit_program "$(main_window)" 3
fi

# ---- 4: dunst ----
step "4: dunst"
dunst -config /dev/null >"$work/dunst.log" 2>&1 &
dunst_pid=$!
pids+=("$dunst_pid")
wait_for 10 dunstctl is-paused || fail "4: dunst did not start: $(cat "$work/dunst.log")"
case4=$work/case4
echo "Dunst Birthday|$(birth_date 0)" | write_contacts "$case4/data/contacts"
write_remind_options "$case4/config/nelvora/Nelvora.cfg" 1 15 30 2
start_program "$case4"
# Start-and-quit with "notification only": posts, ends, and the notification stays.
wait_exit "$program_pid" 30
[ "$exit_status" = 0 ] || fail "4: start-and-quit with notification only: exit status $exit_status"
# The notification is on screen; closed, it goes into dunst's history, where its text can be read.
dunst_shows() { [ "$(dunstctl count displayed)" -ge 1 ]; }
if wait_for 10 dunst_shows; then
    dunstctl close-all
    history=$(dunstctl history)
    case $history in *"${fsi}Dunst Birthday${pdi}: bday."*) ;; *) fail "4: dunst's history lacks the notification: $history" ;; esac
    case $history in *"1 birthday today"*) ;; *) fail "4: dunst's history lacks the summary" ;; esac
else
    fail "4: dunst did not receive the notification ($(dunstctl count))"
fi

# ---- 5: waking from sleep on a birthday ----
step "5: waking from sleep"
"$python" -m dbusmock --template logind >"$work/logind.log" 2>&1 &
pids+=($!)
wait_for 10 dbus_call system org.freedesktop.login1 /org/freedesktop/login1 org.freedesktop.DBus.Peer Ping ||
    fail "5: the logind mock did not start: $(cat "$work/logind.log")"
case5=$work/case5
echo "Birthday After Sleep|$(birth_date 20)" | write_contacts "$case5/data/contacts"
write_remind_options "$case5/config/nelvora/Nelvora.cfg" 2 15 30 0
echo "+0" >"$case5/faketime"
start_program "$case5" env LD_PRELOAD="$faketime_lib" FAKETIME_TIMESTAMP_FILE="$case5/faketime" FAKETIME_NO_CACHE=1 \
    FAKETIME_DONT_FAKE_MONOTONIC=1
sleep 4
[ -z "$(main_window)" ] || fail "5: the list showed before the birthday"
running "$program_pid" || fail "5: the program ended: $(cat "$case5/program.log")"
echo "+20d" >"$case5/faketime"
woke=$(($(date +%s%N) / 1000000))
emit system org.freedesktop.login1 /org/freedesktop/login1 org.freedesktop.login1.Manager PrepareForSleep b false ||
    fail "5: PrepareForSleep could not be emitted"
if wait_for 5 main_window; then
    step "5: shown $(($(date +%s%N) / 1000000 - woke)) ms after the wake-up signal"
    quit_program "$(main_window)" 5
else
    fail "5: the list did not show within 5 seconds of waking"
fi

# ---- 6: a new day with nothing due takes yesterday's "today" notice down ----
step "6: yesterday's notice"
kill "$dunst_pid" 2>/dev/null
wait "$dunst_pid" 2>/dev/null
start_mock || fail "6: the notification mock did not start again"
seen=$(grep -ac ' Notify ' "$work/notify.log")
case6=$work/case6
echo "Only Yesterday|$(birth_date 0)" | write_contacts "$case6/data/contacts"
write_remind_options "$case6/config/nelvora/Nelvora.cfg" 2 15 30 2
echo "+0" >"$case6/faketime"
start_program "$case6" env LD_PRELOAD="$faketime_lib" FAKETIME_TIMESTAMP_FILE="$case6/faketime" FAKETIME_NO_CACHE=1 \
    FAKETIME_DONT_FAKE_MONOTONIC=1
if wait_for 30 has_notify_calls 1; then
    closes() { grep -ac ' CloseNotification ' "$work/notify.log"; }
    before=$(closes)
    echo "+1d" >"$case6/faketime"
    emit system org.freedesktop.login1 /org/freedesktop/login1 org.freedesktop.login1.Manager PrepareForSleep b false ||
        fail "6: PrepareForSleep could not be emitted"
    closed() { [ "$(closes)" -gt "$before" ]; }
    wait_for 10 closed || fail "6: the next day's check left yesterday's notice up"
    [ "$(notify_calls)" = 1 ] || fail "6: the next day posted a notice although nothing was due"
else
    fail "6: no notice on the first day"
fi
kill "$program_pid" 2>/dev/null
wait "$program_pid" 2>/dev/null
stop_mock

# ---- 7: "Write to" in the notice opens the user's mail program with the greeting ----
step "7: write from the notification"
start_mock || fail "7: the notification mock did not start again"
seen=$(grep -ac ' Notify ' "$work/notify.log")
case7=$work/case7
mkdir -p "$case7/data/contacts" "$case7/data/applications" "$case7/config"
printf 'BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Ada Mail\r\nBDAY:%s\r\nEMAIL;PREF=1:ada@example.org\r\nEND:VCARD\r\n' \
    "$(birth_date 0)" >"$case7/data/contacts/ada.vcf"
# A stand-in mail program, registered for mailto: as a desktop registers the user's own, records what it was given.
cat >"$case7/record-url" <<SH
#!/bin/sh
printf '%s\n' "\$1" >>"$case7/opened"
SH
chmod +x "$case7/record-url"
printf '[Desktop Entry]\nType=Application\nName=Recorder\nExec=%s %%u\nMimeType=x-scheme-handler/mailto;\n' \
    "$case7/record-url" >"$case7/data/applications/recorder.desktop"
printf '[Default Applications]\nx-scheme-handler/mailto=recorder.desktop\n' >"$case7/config/mimeapps.list"
write_remind_options "$case7/config/nelvora/Nelvora.cfg" 2 15 30 2
start_program "$case7"
if wait_for 30 has_notify_calls 1; then
    line=$(notify_line 1)
    key=write-birthday:ada@example.org
    case $line in *"\"$key\", \"Write to ${fsi}Ada Mail${pdi}\""*) ;; *) fail "7: the notice offers no \"Write to\": $line" ;; esac
    id=$(grep -ac ' Notify ' "$work/notify.log")
    emit session org.freedesktop.Notifications /org/freedesktop/Notifications org.freedesktop.Notifications \
        ActionInvoked us "$id" "$key" || fail "7: ActionInvoked could not be emitted"
    opened() { [ -s "$case7/opened" ]; }
    if wait_for 10 opened; then
        [ "$(cat "$case7/opened")" = "mailto:ada@example.org?subject=Happy%20birthday%21" ] ||
            fail "7: the mail program was given $(cat "$case7/opened")"
    else
        fail "7: \"Write to\" opened nothing"
    fi
else
    fail "7: no notice"
fi
kill "$program_pid" 2>/dev/null
wait "$program_pid" 2>/dev/null
stop_mock

# ---- 8: SIGTERM ends the program as Quit does ----
step "8: SIGTERM"
start_mock || fail "8: the notification mock did not start again"
seen=$(grep -ac ' Notify ' "$work/notify.log")
case8=$work/case8
echo "Ended By Logout|$(birth_date 0)" | write_contacts "$case8/data/contacts"
write_remind_options "$case8/config/nelvora/Nelvora.cfg" 2 15 30 2
start_program "$case8"
if wait_for 30 has_notify_calls 1; then
    closes_before=$(grep -ac ' CloseNotification ' "$work/notify.log")
    sleep 1
    kill -TERM "$program_pid"
    wait_exit "$program_pid" 15
    [ "$exit_status" = 0 ] || fail "8: SIGTERM: exit status $exit_status"
    [ "$(grep -ac ' CloseNotification ' "$work/notify.log")" -gt "$closes_before" ] ||
        fail "8: SIGTERM left the notice up"
    [ ! -e "$XDG_RUNTIME_DIR/nelvora/notice-id" ] || fail "8: the notice's record outlived its notice"
    # The single-instance claim is released: a new start runs on its own instead of handing over.
    start_program "$case8"
    wait_for 30 has_notify_calls 2 || fail "8: a start after SIGTERM did not run"
    kill -INT "$program_pid"
    wait_exit "$program_pid" 15
    [ "$exit_status" = 0 ] || fail "8: SIGINT: exit status $exit_status"
else
    fail "8: no notice"
    kill "$program_pid" 2>/dev/null
fi

# ---- 9: a killed program's notice is replaced by the next start's ----
step "9: after a kill"
seen=$(grep -ac ' Notify ' "$work/notify.log")
start_program "$case8"
if wait_for 30 has_notify_calls 1; then
    left=$(grep -ac ' Notify ' "$work/notify.log")
    wait_for 10 test -s "$XDG_RUNTIME_DIR/nelvora/notice-id" || fail "9: the notice's id was not kept"
    kill -KILL "$program_pid"
    wait "$program_pid" 2>/dev/null
    start_program "$case8"
    if wait_for 30 has_notify_calls 2; then
        case $(notify_line 2) in *"\"Nelvora\" $left \"org.example.nelvora\""*) ;;
            *) fail "9: the new start's notice does not replace notice $left: $(notify_line 2)" ;; esac
    else
        fail "9: the start after the kill posted nothing"
    fi
else
    fail "9: no notice"
fi
kill "$program_pid" 2>/dev/null
wait "$program_pid" 2>/dev/null
stop_mock

if [ "$failures" -ne 0 ]; then
    for f in "$work"/case*/program.log "$work/mock.log" "$work/dunst.log" "$work/logind.log"; do
        [ -s "$f" ] && { echo "--- $f"; cat "$f"; } >&2
    done
    echo "--- notify.log" >&2
    cat "$work/notify.log" >&2
    echo "notify: $failures failure(s); screenshots in $artifacts" >&2
    exit 1
fi
echo "notify: all passed"
