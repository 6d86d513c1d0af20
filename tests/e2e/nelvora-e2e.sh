#!/usr/bin/env bash
# Runs the real program on a private X server with a window manager (openbox) and an XEmbed tray (trayer), and
# drives it the way a user does: the list shows itself when something is due, "Send to Tray" hides it, a click on
# the tray icon brings it back, and so do the window manager's minimise and close; its four pages are shown and
# an option saved on the Options page holds after a restart, "Quit Program" ends it; start-and-quit mode with
# nothing due ends without showing anything; a missing address-book module gives the start-up box, its log goes to
# standard error, and its answers end the program with status 0. Before the tray runs: a desktop with no
# notification area, where the window minimises instead and a new day's check brings it back. Also: Help with its
# page missing says "Sorry!", and one program per session (a second start shows the first one's window; two
# starts at the same moment leave one; a socket left by a killed program does not block the next start).
#
# Usage: nelvora-e2e.sh <folder holding nelvora and nelvora-launch> <folder for the screenshots>
set -uo pipefail

bindir=$(cd "${1:?bin folder}" && pwd)
artifacts=${2:?artifact folder}
mkdir -p "$artifacts"
artifacts=$(cd "$artifacts" && pwd)

for tool in Xvfb openbox trayer xdotool wmctrl xwininfo xprop xclip import timeout date; do
    command -v "$tool" >/dev/null || { echo "e2e: missing tool: $tool (run scripts/setup --tests)" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/nelvora-e2e.XXXXXX")
pids=()
# shellcheck source=xsession.sh
. "$(dirname "$0")/xsession.sh"

trap end_session EXIT
trap 'exit 130' INT TERM

failures=0
step() { echo "e2e: $*"; }
fail()
{
    echo "e2e: FAIL: $*" >&2
    failures=$((failures + 1))
    # What the screen looked like, for the artifacts.
    import -window root "$artifacts/e2e-failure-$failures.png" 2>/dev/null
    xwininfo -root -tree >"$artifacts/e2e-failure-$failures.txt" 2>&1
    echo "e2e: windows now: $(xwininfo -root -tree 2>/dev/null | grep -E '"(nelvora|trayer)"' | sed 's/^ *//' | tr '\n' ';')" >&2
    pgrep -x trayer >/dev/null || echo "e2e: trayer is not running: $(cat "$work/trayer.log" 2>/dev/null)" >&2
}

# ---- the private desktop ----
private_environment
start_xvfb || { echo "e2e: no display for Xvfb" >&2; exit 1; }
step "private display $DISPLAY"
start_window_manager || { echo "e2e: no window manager" >&2; exit 1; }

screen_width=$(xwininfo -root | awk '/Width:/ {print $2}')

# ---- helpers for the program ----
visible_windows() { xdotool search --onlyvisible --name "$1" 2>/dev/null; }

# The tray icon's window has no name of its own: the program's small mapped window that is not the main one.
tray_icon()
{
    local w width height
    for w in $(xdotool search --onlyvisible --class '^nelvora$' 2>/dev/null); do
        eval "$(xdotool getwindowgeometry --shell "$w" 2>/dev/null)" || continue
        width=${WIDTH:-0} height=${HEIGHT:-0}
        if [ "$width" -le 64 ] && [ "$height" -le 64 ] && [ "$width" -gt 0 ]; then
            echo "$w"
            return 0
        fi
    done
    return 1
}

# Minimised: the window manager keeps it as an icon (the task switcher offers it).
is_iconic() { xprop -id "$1" WM_STATE 2>/dev/null | grep -q 'window state: Iconic'; }
# Put away into the tray: neither on screen nor an icon.
is_withdrawn() { is_unmapped "$1" && ! is_iconic "$1"; }
# On screen in its normal state.
is_shown_normal() { is_mapped "$1" && ! is_iconic "$1"; }

# Presses a button of a window through its mnemonic; if that does not take, clicks it at its place instead.
press_button()
{
    local window=$1 keys=$2 x=$3 y=$4 check=$5
    timeout 5 xdotool windowactivate --sync "$window" >/dev/null 2>&1
    xdotool key --clearmodifiers "$keys"
    wait_for 5 "$check" "$window" && return 0
    xdotool mousemove --window "$window" "$x" "$y" click 1
    wait_for 5 "$check" "$window"
}

# Places inside the main window (client coordinates) of the Options tab and of the Options page's controls. The
# pages sit at 2,25 under the tab bar and their group boxes at 8,8 inside them; the tabs follow the font, so the
# pages after Options are reached with Ctrl+Tab. The check box is clicked on its box, at the right end of "Always
# on top".
OPTIONS_TAB=(105 13)
ALWAYS_ON_TOP=(252 157)
SAVE_CHANGES=(210 197)

click_at()
{
    timeout 5 xdotool windowactivate --sync "$1" >/dev/null 2>&1
    xdotool mousemove --window "$1" "$2" "$3" click 1
    sleep 0.3
}

# Whether the byte at an offset of a file has a value.
option_byte_is() { [ "$(od -An -tu1 -j "$2" -N1 "$1" | tr -d ' ')" = "$3" ]; }

# Whether the window manager keeps a window in the topmost band.
is_on_top() { xprop -id "$1" _NET_WM_STATE 2>/dev/null | grep -q _NET_WM_STATE_ABOVE; }

# Starts the program through the launcher with its own address book and options folder.
start_program()
{
    local case_dir=$1
    shift
    XDG_DATA_HOME=$case_dir/data XDG_CONFIG_HOME=$case_dir/config "$@" >"$case_dir/program.log" 2>&1 &
    program_pid=$!
    pids+=("$program_pid")
}

# A second start of the program: it must hand over to the running one and end with status 0.
second_start()
{
    local case_dir=$1
    XDG_DATA_HOME=$case_dir/data XDG_CONFIG_HOME=$case_dir/config "$bindir/nelvora-launch" >"$case_dir/second.log" 2>&1 &
    local pid=$!
    pids+=("$pid")
    wait_exit "$pid" 20
    [ "$exit_status" = 0 ] || fail "a second start: exit status $exit_status ($(cat "$case_dir/second.log"))"
}

# The day as the program sees it: libfaketime moves its clocks, the monotonic one included, so that the hourly
# check runs at once and sees a new day.
faketime_lib=$(ls /usr/lib/*/faketime/libfaketime.so.1 2>/dev/null | head -n1)
[ -n "$faketime_lib" ] || { echo "e2e: missing libfaketime (run scripts/setup --tests)" >&2; exit 1; }

# An idle program sleeps until its next timer is due by the clock it saw when it went to sleep; a property change
# on its window wakes it, so that it sees the moved clock and the hourly check that is now overdue.
nudged_shown_normal()
{
    xprop -id "$1" -f _NELVORA_E2E_NUDGE 8s -set _NELVORA_E2E_NUDGE 1 2>/dev/null
    is_shown_normal "$1"
}

# ---- 0: no notification area at all: no error, the window minimises instead of hiding ----
step "0: a desktop without a notification area"
case0=$work/case0
{
    echo "Due Today|$(birth_date 0)"
    echo "Due Tomorrow|$(birth_date 1)"
} | write_contacts "$case0/data/contacts"
write_options "$case0/config/nelvora/Nelvora.cfg" 2 15 30
echo "+0" >"$case0/faketime"
start_program "$case0" env LD_PRELOAD="$faketime_lib" FAKETIME_TIMESTAMP_FILE="$case0/faketime" \
    FAKETIME_NO_CACHE=1 "$bindir/nelvora-launch"
# The program waits for a notification area (30 seconds) before it goes on without one.
if ! wait_for 60 main_window; then
    fail "no notification area: the list did not show itself"
else
    window=$(main_window)
    [ -z "$(visible_windows '^Nelvora$')" ] || fail "no notification area: an error box appeared"
    sleep 1
    import -window root "$artifacts/e2e-no-tray.png" 2>/dev/null
    press_button "$window" alt+s 50 260 is_iconic || fail "no notification area: Send to Tray did not minimise"
    running "$program_pid" || fail "no notification area: the program ended"

    # A second start brings it back.
    second_start "$case0"
    wait_for 10 is_shown_normal "$window" || fail "no notification area: a second start did not show the window"

    # The window manager's minimise stays a minimise here; a new day's check with something due shows it.
    xdotool windowminimize "$window"
    wait_for 10 is_iconic "$window" || fail "no notification area: minimise did not take"
    sleep 1
    is_iconic "$window" || fail "no notification area: the minimised window did not stay an icon"
    echo "+1d" >"$case0/faketime"
    wait_for 20 nudged_shown_normal "$window" || fail "a check with something due did not show the minimised window"

    press_button "$window" alt+q 378 260 false
fi
wait_exit "$program_pid" 15
[ "$exit_status" = 0 ] || fail "no notification area, Quit Program: exit status $exit_status"

# ---- 1: something is due: shown, sent to the tray, restored from it, quit ----
step "1: a birthday is due"
case1=$work/case1
{
    echo "Due Today|$(birth_date 0)"
    echo "Due Tomorrow|$(birth_date 1)"
    echo "Due Soon|$(birth_date 5)"
} | write_contacts "$case1/data/contacts"
mkdir -p "$case1/config/nelvora"
# Daily mode, 15 days, and an auto-close long enough not to race the test.
write_options "$case1/config/nelvora/Nelvora.cfg" 2 15 30
# As at log-in, the program starts before the panel with the notification area and waits for it.
start_program "$case1" "$bindir/nelvora-launch"
sleep 2
running "$program_pid" || fail "the program did not wait for the notification area"
start_tray || { echo "e2e: no tray" >&2; exit 1; }

if ! wait_for 45 main_window; then
    fail "the list did not show itself"
else
    window=$(main_window)
    wait_for 20 tray_icon || fail "no tray icon docked"
    # Let the fade-in finish before the picture is taken.
    sleep 1
    import -window root "$artifacts/e2e-window.png" 2>/dev/null || echo "e2e: warning: no screenshot" >&2
    title=$(xdotool getwindowname "$window")
    case $title in
    "Nelvora - "?*) ;;
    *) fail "window caption is '$title'" ;;
    esac

    press_button "$window" alt+s 50 260 is_unmapped || fail "Send to Tray did not hide the window"

    if icon=$(tray_icon); then
        xdotool mousemove --window "$icon" 5 5 click 1
        wait_for 10 is_mapped "$window" || fail "a click on the tray icon did not show the window"
        import -window root "$artifacts/e2e-restored.png" 2>/dev/null

        # The window manager's minimise sends it to the tray; one click brings it back in its normal state.
        xdotool windowminimize "$window"
        wait_for 10 is_withdrawn "$window" || fail "minimise did not send the window to the tray"
        # The window manager and the program settle first, as they do before a person gets to the icon.
        sleep 1
        is_withdrawn "$window" || fail "the minimised window did not stay in the tray"
        xdotool mousemove --window "$icon" 5 5 click 1
        wait_for 10 is_shown_normal "$window" || fail "a click on the tray icon did not bring the minimised window back"

        # So does its close, and the program keeps running.
        wmctrl -i -c "$window"
        wait_for 10 is_withdrawn "$window" || fail "close did not send the window to the tray"
        sleep 1
        running "$program_pid" || fail "close ended the program"
        xdotool mousemove --window "$icon" 5 5 click 1
        wait_for 10 is_shown_normal "$window" || fail "a click on the tray icon did not bring the closed window back"

        # A second start shows the window of the running program and ends.
        press_button "$window" alt+s 50 260 is_withdrawn || fail "Send to Tray did not hide the window"
        second_start "$case1"
        wait_for 10 is_shown_normal "$window" || fail "a second start did not show the running program's window"
        running "$program_pid" || fail "a second start ended the first program"

        # Restored by hand, the window is out of the auto-close state: all four pages can be reached.
        cp "$artifacts/e2e-restored.png" "$artifacts/e2e-page-event-list.png" 2>/dev/null
        click_at "$window" "${OPTIONS_TAB[@]}"
        sleep 0.5
        import -window root "$artifacts/e2e-page-options.png" 2>/dev/null
        # Change an option and save it: "Always on top" on.
        click_at "$window" "${ALWAYS_ON_TOP[@]}"
        click_at "$window" "${SAVE_CHANGES[@]}"
        wait_for 5 option_byte_is "$case1/config/nelvora/Nelvora.cfg" 20 1 ||
            fail "Save Changes did not store Always on top (file: $(od -An -tx1 "$case1/config/nelvora/Nelvora.cfg"))"
        wait_for 5 is_on_top "$window" || fail "Always on top did not take effect at once"
        xdotool key --window "$window" ctrl+Tab
        sleep 0.5
        import -window root "$artifacts/e2e-page-address-books.png" 2>/dev/null
        xdotool key --window "$window" ctrl+Tab
        # Let the scroller type part of its text.
        sleep 2
        import -window root "$artifacts/e2e-page-about.png" 2>/dev/null
    else
        fail "tray icon gone after Send to Tray"
    fi

    press_button "$window" alt+q 378 260 false
fi
wait_exit "$program_pid" 15
status=$exit_status
[ "$status" = 0 ] || fail "Quit Program: exit status $status"

# ---- 1b: the saved option holds after a restart ----
step "1b: restart with the saved options"
start_program "$case1" "$bindir/nelvora-launch"
if ! wait_for 45 main_window; then
    fail "the list did not show itself after the restart"
else
    window=$(main_window)
    wait_for 10 is_on_top "$window" || fail "Always on top did not hold after the restart"
    press_button "$window" alt+q 378 260 false
fi
wait_exit "$program_pid" 15
[ "$exit_status" = 0 ] || fail "Quit Program after the restart: exit status $exit_status"

# ---- 2: start-and-quit mode with nothing due ----
step "2: start-and-quit mode, nothing due"
case2=$work/case2
echo "Far Away|$(birth_date 100)" | write_contacts "$case2/data/contacts"
mkdir -p "$case2/config/nelvora"
write_options "$case2/config/nelvora/Nelvora.cfg" 1 15 1
start_program "$case2" "$bindir/nelvora-launch"
seen_on_screen=0
deadline=$((SECONDS + 45))
while running "$program_pid"; do
    [ "$SECONDS" -ge "$deadline" ] && break
    # Nothing may be mapped at all: no list, no off-screen or transparent window either.
    [ -n "$(visible_windows '^Nelvora')" ] && seen_on_screen=1
    sleep 0.05
done
wait_exit "$program_pid" 5
status=$exit_status
[ "$status" = 0 ] || fail "start-and-quit: exit status $status"
[ "$seen_on_screen" = 0 ] || fail "start-and-quit: a window was mapped"

# ---- 3 and 4: no address-book module: the start-up box ----
# The program alone in a bin folder whose ../lib holds no module.
mkdir -p "$work/nomodule/bin" "$work/nomodule/lib"
cp "$bindir/nelvora" "$work/nomodule/bin/nelvora"

startup_box() { visible_windows '^Uncaught exception$' | head -n1; }

step "3: missing module, No"
case3=$work/case3
mkdir -p "$case3/data/contacts" "$case3/config/nelvora"
write_options "$case3/config/nelvora/Nelvora.cfg" 2 15 1
(cd "$case3/config/nelvora" && exec "$work/nomodule/bin/nelvora") >"$case3/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")
if wait_for 45 startup_box; then
    box=$(startup_box)
    import -window root "$artifacts/e2e-startup-box.png" 2>/dev/null
    timeout 5 xdotool windowactivate --sync "$box" >/dev/null 2>&1
    # No is the default button.
    xdotool key --clearmodifiers Return
else
    fail "missing module: no box titled 'Uncaught exception'"
fi
wait_exit "$program_pid" 15
status=$exit_status
[ "$status" = 0 ] || fail "missing module, No: exit status $status"
# The start-up log also went to standard error, where a session journal keeps it.
grep -q ':Init - LoadLibrary failed for WAB.DLL! \[id:0\]' "$case3/program.log" ||
    fail "missing module: the debug log is not on standard error ($(cat "$case3/program.log"))"
[ -z "$(main_window)" ] || fail "missing module: the main window appeared"

step "4: missing module, Yes copies the debug log"
case4=$work/case4
mkdir -p "$case4/config/nelvora"
(cd "$case4/config/nelvora" && exec "$work/nomodule/bin/nelvora") >"$case4/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")
if wait_for 45 startup_box; then
    box=$(startup_box)
    timeout 5 xdotool windowactivate --sync "$box" >/dev/null 2>&1
    xdotool key --clearmodifiers alt+y
    # The log box has the same caption; wait for the question box to give way to it.
    wait_for 10 is_unmapped "$box" || fail "Yes did not close the question box"
    if wait_for 10 startup_box; then
        clip=$(timeout 5 xclip -selection clipboard -o 2>/dev/null)
        case $clip in
        *":Init - LoadLibrary failed for WAB.DLL! [id:0]"*) ;;
        *) fail "clipboard holds '$clip'" ;;
        esac
        log_box=$(startup_box)
        timeout 5 xdotool windowactivate --sync "$log_box" >/dev/null 2>&1
        xdotool key --clearmodifiers Return
    else
        fail "Yes did not show the debug log"
    fi
else
    fail "missing module: no box titled 'Uncaught exception'"
fi
wait_exit "$program_pid" 15
status=$exit_status
[ "$status" = 0 ] || fail "missing module, Yes: exit status $status"

# ---- 5: Help with its page missing ----
step "5: Help without its page"
# The program and its module, but no help page anywhere near them.
mkdir -p "$work/nohelp/bin" "$work/nohelp/lib"
cp "$bindir/nelvora" "$work/nohelp/bin/nelvora"
module=$(ls "$bindir"/../lib/nelvora/libwab32.so "$bindir"/../lib/libwab32.so 2>/dev/null | head -n1)
cp "$module" "$work/nohelp/lib/"
case5=$work/case5
echo "Due Today|$(birth_date 0)" | write_contacts "$case5/data/contacts"
write_options "$case5/config/nelvora/Nelvora.cfg" 2 15 30
(cd "$case5/config/nelvora" && XDG_DATA_HOME=$case5/data exec "$work/nohelp/bin/nelvora") >"$case5/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")
sorry_box() { visible_windows '^Error$' | head -n1; }
if ! wait_for 45 main_window; then
    fail "Help: the list did not show itself"
else
    window=$(main_window)
    timeout 5 xdotool windowactivate --sync "$window" >/dev/null 2>&1
    xdotool key --clearmodifiers alt+h
    if wait_for 10 sorry_box; then
        import -window root "$artifacts/e2e-help-missing.png" 2>/dev/null
        timeout 5 xdotool windowactivate --sync "$(sorry_box)" >/dev/null 2>&1
        xdotool key --clearmodifiers Return
        wait_for 10 sh -c '! xdotool search --onlyvisible --name "^Error$" >/dev/null' || fail "Help: the Sorry box did not close"
    else
        fail "Help with its page missing showed no Sorry box"
    fi
    press_button "$window" alt+q 378 260 false
fi
wait_exit "$program_pid" 15
[ "$exit_status" = 0 ] || fail "Help: exit status $exit_status"

# ---- 6: one program per session ----
step "6: two starts at the same moment, then a killed program's socket"
case6=$work/case6
echo "Due Today|$(birth_date 0)" | write_contacts "$case6/data/contacts"
write_options "$case6/config/nelvora/Nelvora.cfg" 2 15 30
XDG_DATA_HOME=$case6/data XDG_CONFIG_HOME=$case6/config "$bindir/nelvora-launch" >"$case6/a.log" 2>&1 &
first=$!
XDG_DATA_HOME=$case6/data XDG_CONFIG_HOME=$case6/config "$bindir/nelvora-launch" >"$case6/b.log" 2>&1 &
second=$!
pids+=("$first" "$second")
one_ended() { ! running "$first" || ! running "$second"; }
wait_for 20 one_ended || fail "two starts at the same moment: both still run"
sleep 2
if running "$first" && ! running "$second"; then
    survivor=$first loser=$second
elif running "$second" && ! running "$first"; then
    survivor=$second loser=$first
else
    survivor="" loser=""
    fail "two starts at the same moment: not exactly one program left"
fi
if [ -n "$survivor" ]; then
    wait "$loser"
    loser_status=$?
    [ "$loser_status" = 0 ] || fail "two starts at the same moment: the second ended with $loser_status"
    wait_for 45 main_window || fail "two starts at the same moment: the list did not show itself"
    # Killed, it leaves its socket behind; the next start must not be blocked by it.
    kill -9 "$survivor"
    wait "$survivor" 2>/dev/null
    wait_for 10 sh -c '[ -z "$(xdotool search --onlyvisible --name "^Nelvora - " 2>/dev/null)" ]'
    [ -S "$XDG_RUNTIME_DIR/nelvora.socket" ] || echo "e2e: note: no socket left behind to test" >&2
    start_program "$case6" "$bindir/nelvora-launch"
    if wait_for 45 main_window; then
        press_button "$(main_window)" alt+q 378 260 false
    else
        fail "a socket left by a killed program blocked the next start"
    fi
    wait_exit "$program_pid" 15
    [ "$exit_status" = 0 ] || fail "after a killed program: exit status $exit_status"
fi

if [ "$failures" -ne 0 ]; then
    for log in "$work"/case*/*.log; do
        [ -s "$log" ] && { echo "--- $log"; cat "$log"; } >&2
    done
    echo "e2e: $failures failure(s); screenshots in $artifacts" >&2
    exit 1
fi
echo "e2e: all passed; screenshots in $artifacts"
