#!/usr/bin/env bash
# Greetings and the time of day of the reminder, with the real program on a private X server:
#   1. an event row's context menu, opened from the keyboard (the Menu key, Shift+F10): "Write e-mail…" and "Call"
#      hand mailto: (with the greeting as subject) and tel: to the programs the desktop has registered for them,
#      "Copy e-mail address" puts the address on the clipboard; in German the subject is the German greeting;
#   2. "Remind at" 09:00 (offset 28 of the options file), with libfaketime moving the date and python3-dbusmock's
#      logind on a private system bus sending the wake-ups: midnight and a wake-up before 09:00 show nothing, the
#      day watch checks at 09:00 itself, and a wake-up after the chosen time checks at once.
#
# Usage: nelvora-greet-e2e.sh <folder holding nelvora and nelvora-launch> <folder for the screenshots>
set -uo pipefail

bindir=$(cd "${1:?bin folder}" && pwd)
artifacts=${2:?artifact folder}
mkdir -p "$artifacts"
artifacts=$(cd "$artifacts" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
python=/usr/bin/python3

for tool in Xvfb openbox trayer xdotool xwininfo xprop xclip xdg-open import timeout date dbus-daemon; do
    command -v "$tool" >/dev/null || { echo "greet: missing tool: $tool (run scripts/setup --tests)" >&2; exit 1; }
done
"$python" -c 'import dbus, dbusmock' 2>/dev/null || { echo "greet: python3-dbus and python3-dbusmock are needed (run scripts/setup --tests)" >&2; exit 1; }
faketime_lib=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n1)
[ -n "$faketime_lib" ] || { echo "greet: missing libfaketime (run scripts/setup --tests)" >&2; exit 1; }

work=$(mktemp -d "${TMPDIR:-/tmp}/nelvora-greet.XXXXXX")
pids=()
check=greet
# shellcheck source=xsession.sh
. "$here/xsession.sh"
trap end_session EXIT
trap 'exit 130' INT TERM

private_environment
unset XDG_CURRENT_DESKTOP XDG_SESSION_DESKTOP DESKTOP_SESSION QT_QPA_PLATFORMTHEME KDE_FULL_SESSION
# A system bus of our own, for logind; nothing else answers there. No session bus: no notification server takes
# the reminder, so the list shows.
dbus-daemon --session --nofork --address="unix:path=$work/system-bus" >"$work/system-bus.log" 2>&1 &
pids+=($!)
export DBUS_SYSTEM_BUS_ADDRESS=unix:path=$work/system-bus
wait_for 10 test -S "$work/system-bus" || { echo "greet: no private system bus" >&2; exit 1; }

start_xvfb || { echo "greet: no display for Xvfb" >&2; exit 1; }
step "private display $DISPLAY"
start_window_manager || { echo "greet: no window manager" >&2; exit 1; }
start_tray || { echo "greet: no tray" >&2; exit 1; }

# Options with "Remind at" at offset 28: file run-mode days auto-close remind-at (minutes after midnight).
write_greet_options()
{
    mkdir -p "$(dirname "$1")"
    printf '%b' "$(le32 0)$(le32 4660)$(le32 "$2")$(le32 "$3")$(le32 "$4")$(le32 0)$(le32 0)$(le32 "$5")" >"$1"
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
stop_program()
{
    kill "$program_pid" 2>/dev/null
    wait_exit "$program_pid" 10
}
now_ms() { echo $(($(date +%s%N) / 1000000)); }

# The program's visible windows: the main window, its tray icon, and a menu while one is open.
program_windows() { xdotool search --onlyvisible --class '^nelvora$' 2>/dev/null | wc -l; }
more_windows_than() { [ "$(program_windows)" -gt "$1" ]; }

# ---- 1: greetings from the list ----
# Registers stand-ins for the mail and telephone programs in a case's own data and configuration folders; each
# records the URL it was given in the case's file "opened".
register_recorders()
{
    local case_dir=$1
    mkdir -p "$case_dir/data/applications" "$case_dir/config"
    cat >"$case_dir/record-url" <<SH
#!/bin/sh
printf '%s\n' "\$1" >>"$case_dir/opened"
SH
    chmod +x "$case_dir/record-url"
    local scheme
    for scheme in mailto tel; do
        printf '[Desktop Entry]\nType=Application\nName=%s recorder\nExec=%s %%u\nMimeType=x-scheme-handler/%s;\n' \
            "$scheme" "$case_dir/record-url" "$scheme" >"$case_dir/data/applications/$scheme-recorder.desktop"
    done
    printf '[Default Applications]\nx-scheme-handler/mailto=mailto-recorder.desktop\nx-scheme-handler/tel=tel-recorder.desktop\n' \
        >"$case_dir/config/mimeapps.list"
    : >"$case_dir/opened"
}
opened_count() { grep -c . "$1/opened"; }
has_opened() { [ "$(opened_count "$1")" -ge "$2" ]; }

# Opens the row's context menu with a key and picks its entry through the keyboard: the menu opens with nothing
# chosen, Down goes to its first entry and past the separator.
pick_from_menu() # window open-key downs label
{
    local window=$1 key=$2 downs=$3 label=$4 before
    timeout 5 xdotool windowactivate --sync "$window" >/dev/null 2>&1
    before=$(program_windows)
    xdotool key --clearmodifiers "$key"
    if ! wait_for 5 more_windows_than "$before"; then
        fail "$label: $key opened no menu"
        return 1
    fi
    sleep 0.3
    for _ in $(seq "$downs"); do
        xdotool key --clearmodifiers Down
    done
    xdotool key --clearmodifiers Return
    wait_for 5 sh -c "[ \$(xdotool search --onlyvisible --class '^nelvora\$' 2>/dev/null | wc -l) -le $before ]" ||
        fail "$label: the menu stayed open"
}

# case-dir subject label [env settings...]: starts the program with one person due today, writes, calls and
# copies, and checks what the stand-ins and the clipboard received.
greet_case()
{
    local case_dir=$1 subject=$2 label=$3
    shift 3
    mkdir -p "$case_dir/data/contacts"
    printf 'BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Ada Greeting\r\nBDAY:%s\r\nEMAIL;PREF=1:ada.greeting@example.org\r\nTEL;VALUE=uri;TYPE=cell:tel:+49-30-1234 567\r\nEND:VCARD\r\n' \
        "$(birth_date 0)" >"$case_dir/data/contacts/ada.vcf"
    register_recorders "$case_dir"
    # "Remind at" late in the day: the check at start-up does not wait for it.
    write_greet_options "$case_dir/config/nelvora/Nelvora.cfg" 2 15 30 1439
    start_program "$case_dir" "$@"
    if ! wait_for 30 main_window; then
        fail "$label: the list did not show itself"
        stop_program
        return
    fi
    local window
    window=$(main_window)
    # The list takes the focus with the person's row current, as a keyboard user finds it.
    if pick_from_menu "$window" Menu 1 "$label: Write e-mail"; then
        if wait_for 10 has_opened "$case_dir" 1; then
            local expected="mailto:ada.greeting@example.org?subject=$subject"
            [ "$(sed -n 1p "$case_dir/opened")" = "$expected" ] ||
                fail "$label: \"Write e-mail\" opened $(sed -n 1p "$case_dir/opened"), not $expected"
        else
            fail "$label: \"Write e-mail\" opened nothing"
        fi
    fi
    if pick_from_menu "$window" shift+F10 2 "$label: Call"; then
        if wait_for 10 has_opened "$case_dir" 2; then
            [ "$(sed -n 2p "$case_dir/opened")" = "tel:+49301234567" ] ||
                fail "$label: \"Call\" opened $(sed -n 2p "$case_dir/opened"), not tel:+49301234567"
        else
            fail "$label: \"Call\" opened nothing"
        fi
    fi
    printf 'before' | timeout 5 xclip -selection clipboard -i
    if pick_from_menu "$window" Menu 3 "$label: Copy e-mail address"; then
        clipboard_is() { [ "$(timeout 5 xclip -o -selection clipboard 2>/dev/null)" = "$1" ]; }
        wait_for 5 clipboard_is ada.greeting@example.org ||
            fail "$label: the clipboard holds \"$(timeout 5 xclip -o -selection clipboard 2>/dev/null)\" after \"Copy e-mail address\""
    fi
    [ "$(opened_count "$case_dir")" -le 2 ] || fail "$label: copying opened a program: $(sed -n '3,$p' "$case_dir/opened")"
    stop_program
}

step "1: greetings from the list"
greet_case "$work/case1" "Happy%20birthday%21" "1"
step "1: in German"
greet_case "$work/case1de" "Alles%20Gute%20zum%20Geburtstag%21" "1 (German)" \
    env LANG=de_DE.UTF-8 LC_ALL=de_DE.UTF-8 LANGUAGE=de

# ---- 2: "Remind at" 09:00 ----
step "2: remind at 09:00"
emit()
{
    timeout 10 "$python" - "$@" <<'PY'
import sys, dbus
name, path, interface, signal, signature, *values = sys.argv[1:]
kinds = {"b": lambda v: dbus.Boolean(v == "true")}
args = [kinds[kind](value) for kind, value in zip(signature, values)]
mock = dbus.Interface(dbus.SystemBus().get_object(name, path), "org.freedesktop.DBus.Mock")
mock.EmitSignal(interface, signal, signature, args, signature="sssav")
PY
}
wake_up() { emit org.freedesktop.login1 /org/freedesktop/login1 org.freedesktop.login1.Manager PrepareForSleep b false; }
logind_answers()
{
    timeout 10 "$python" -c 'import dbus; dbus.SystemBus().get_object("org.freedesktop.login1", "/org/freedesktop/login1").Ping(dbus_interface="org.freedesktop.DBus.Peer")'
}
"$python" -m dbusmock --template logind >"$work/logind.log" 2>&1 &
pids+=($!)
wait_for 10 logind_answers || fail "2: the logind mock did not start: $(cat "$work/logind.log")"

case2=$work/case2
# Days in the faked calendar: the program starts late on day 0 with two days' look-ahead; Nine is due on day 3,
# Ten on day 4.
day() { date -d "2031-03-10 +$1 days" +%Y-%m-%d; }
{
    echo "Nine O'Clock|1980$(date -d "$(day 3)" +%m%d)"
    echo "Ten O'Clock|1980$(date -d "$(day 4)" +%m%d)"
} | write_contacts "$case2/data/contacts"
write_greet_options "$case2/config/nelvora/Nelvora.cfg" 2 2 30 540
# Sets the faked clock, which runs on from there.
set_clock() { echo "@$1" >"$case2/faketime"; }
set_clock "$(day 0) 23:59:50"
start_program "$case2" env LD_PRELOAD="$faketime_lib" FAKETIME_TIMESTAMP_FILE="$case2/faketime" FAKETIME_NO_CACHE=1 \
    FAKETIME_DONT_FAKE_MONOTONIC=1
started=$SECONDS
# Nothing due on day 0: the program stays in the tray. Then the clock runs past midnight (the day watch wakes up
# there), and day 1 brings Nine within the look-ahead, which waits for 09:00.
stays_hidden() # seconds what
{
    if wait_for "$1" main_window; then
        fail "2: the list showed $2"
        timeout 5 xdotool windowactivate --sync "$(main_window)" >/dev/null 2>&1
        xdotool key --clearmodifiers alt+s
        wait_for 5 is_unmapped "$(main_window)"
    fi
}
stays_hidden 4 "on day 0 with nothing due"
running "$program_pid" || fail "2: the program ended: $(cat "$case2/program.log")"
stays_hidden $((started + 16 - SECONDS)) "at midnight, before 09:00"

# A wake-up on Nine's birthday, before 09:00.
set_clock "$(day 3) 00:00:30"
wake_up || fail "2: PrepareForSleep could not be emitted"
stays_hidden 5 "on waking at 00:00:30, before 09:00"
set_clock "$(day 3) 08:59:00"
wake_up || fail "2: PrepareForSleep could not be emitted"
stays_hidden 5 "on waking at 08:59, before 09:00"

# Woken at 08:59:52, the day watch aims at 09:00 and checks there by itself.
set_clock "$(day 3) 08:59:52"
nine=$(($(now_ms) + 8000))
wake_up || fail "2: PrepareForSleep could not be emitted"
if ! wait_for 3 main_window && wait_for 15 main_window; then
    delay=$(($(now_ms) - nine))
    step "2: the 09:00 check showed the list $delay ms after 09:00"
    ((delay <= 5000)) || fail "2: the 09:00 check came $delay ms late"
    ((delay >= -500)) || fail "2: the 09:00 check came $((-delay)) ms early"
    window=$(main_window)
    timeout 5 xdotool windowactivate --sync "$window" >/dev/null 2>&1
    xdotool key --clearmodifiers alt+s
    wait_for 5 is_unmapped "$window" || fail "2: Send to Tray did not hide the window"
elif [ -n "$(main_window)" ]; then
    fail "2: the list showed before 09:00"
else
    fail "2: no check within 15 s of 09:00"
fi

# Ten's birthday: a wake-up after 09:00 checks at once.
set_clock "$(day 4) 10:00:00"
woke=$(now_ms)
wake_up || fail "2: PrepareForSleep could not be emitted"
if wait_for 5 main_window; then
    step "2: a wake-up at 10:00 showed the list after $(($(now_ms) - woke)) ms"
else
    fail "2: a wake-up at 10:00 on a new day showed no list within 5 s"
fi
stop_program

if [ "$failures" -ne 0 ]; then
    for f in "$work"/case*/program.log "$work/logind.log"; do
        [ -s "$f" ] && { echo "--- $f"; cat "$f"; } >&2
    done
    echo "greet: $failures failure(s); screenshots in $artifacts" >&2
    exit 1
fi
echo "greet: all passed"
