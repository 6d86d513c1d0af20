# A private X desktop for driving the real program: Xvfb on a display of our own, openbox, and an XEmbed tray
# (trayer). Sourced by the end-to-end test and the start-up benchmark, which set `work` (a scratch folder) and
# `pids` (processes to end on exit) before they source it.

# Ends everything in `pids` (politely, then for good) and removes `work`; for `trap end_session EXIT`.
end_session()
{
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2>/dev/null
    done
    sleep 0.3
    for pid in "${pids[@]}"; do
        kill -9 "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
    rm -rf "$work"
}

# Waits until a command succeeds, up to a number of seconds.
wait_for()
{
    local seconds=$1
    shift
    local deadline=$((SECONDS + seconds))
    while ! "$@" >/dev/null 2>&1; do
        [ "$SECONDS" -ge "$deadline" ] && return 1
        sleep 0.1
    done
}

# A home, runtime and configuration of our own, and the X11 (not Wayland) platform for the toolkit.
private_environment()
{
    mkdir -p "$work/home" "$work/runtime"
    chmod 700 "$work/runtime"
    export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime
    export XDG_CACHE_HOME=$work/home/.cache XDG_CONFIG_DIRS=$work/xdg XDG_DATA_DIRS=/usr/share
    # No session bus: the toolkit would otherwise look for a StatusNotifier tray there instead of the XEmbed one.
    export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus
    export QT_QPA_PLATFORM=xcb LANG=C.UTF-8 LC_ALL=C.UTF-8
    unset WAYLAND_DISPLAY QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS SESSION_MANAGER
}

# A display number of our own, well away from the low numbers that desktops and other scripts take for granted.
start_xvfb()
{
    local n pid
    for _ in $(seq 20); do
        n=$((200 + RANDOM % 800))
        [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
        : >"$work/display"
        Xvfb ":$n" -displayfd 3 -screen 0 1280x800x24 -nolisten tcp -noreset 3>"$work/display" >>"$work/xvfb.log" 2>&1 &
        pid=$!
        while kill -0 "$pid" 2>/dev/null && [ ! -s "$work/display" ]; do sleep 0.1; done
        if [ -s "$work/display" ]; then
            pids+=("$pid")
            DISPLAY=:$(head -n1 "$work/display")
            export DISPLAY
            wait_for 20 xwininfo -root
            return
        fi
        wait "$pid" 2>/dev/null
    done
    return 1
}

start_window_manager()
{
    openbox --sm-disable >"$work/openbox.log" 2>&1 &
    pids+=($!)
    wait_for 20 sh -c 'xprop -root _NET_SUPPORTING_WM_CHECK | grep -q "window id"'
}

start_tray()
{
    trayer --edge top --align right --widthtype request --height 32 --SetDockType true --transparent false \
        >"$work/trayer.log" 2>&1 &
    pids+=($!)
    wait_for 20 sh -c 'xwininfo -root -tree | grep -q "\"panel\""'
}

# A 32-byte options file: signature, run mode, look-ahead days, auto-close minutes, not on top.
le32() { printf '\\%03o\\%03o\\%03o\\%03o' $(($1 & 255)) $((($1 >> 8) & 255)) $((($1 >> 16) & 255)) $((($1 >> 24) & 255)); }
write_options() # file run-mode days auto-close
{
    mkdir -p "$(dirname "$1")"
    printf '%b' "$(le32 0)$(le32 4660)$(le32 "$2")$(le32 "$3")$(le32 "$4")$(le32 0)$(le32 0)$(le32 0)" >"$1"
}

# A finished child stays a zombie until waited for, and kill -0 still finds a zombie.
running() { kill -0 "$1" 2>/dev/null && [ "$(ps -o stat= -p "$1" 2>/dev/null | cut -c1)" != Z ]; }

# Waits for a child to end and sets exit_status to its status, or to 124 when it still runs after the given seconds
# (it is then killed).
wait_exit()
{
    local pid=$1 seconds=$2
    local deadline=$((SECONDS + seconds))
    while running "$pid"; do
        if [ "$SECONDS" -ge "$deadline" ]; then
            kill "$pid" 2>/dev/null
            exit_status=124
            return
        fi
        sleep 0.1
    done
    wait "$pid"
    exit_status=$?
}

# One vCard per line of "name|YYYYMMDD" on stdin.
write_contacts()
{
    local folder=$1 name date n=0
    mkdir -p "$folder"
    while IFS='|' read -r name date; do
        n=$((n + 1))
        printf 'BEGIN:VCARD\r\nVERSION:3.0\r\nFN:%s\r\nBDAY:%s\r\nEND:VCARD\r\n' "$name" "$date" >"$folder/contact$n.vcf"
    done
}

# A month and day some days from now, on a leap-year birth date so that 29 February stays a real date.
birth_date() { echo "1980$(date -d "+$1 days" +%m%d)"; }

# The program's main window while it is shown.
main_window() { xdotool search --onlyvisible --name '^Nelvora - ' 2>/dev/null | head -n1; }

is_mapped() { xwininfo -id "$1" 2>/dev/null | grep -q 'Map State: IsViewable'; }
is_unmapped() { ! is_mapped "$1"; }

# Progress and failure lines of a driving script, named by its $check; a failure is counted in $failures and keeps a
# picture of the screen in $artifacts. Scripts that want more on a failure define their own.
failures=0
step() { echo "$check: $*"; }
fail()
{
    echo "$check: FAIL: $*" >&2
    failures=$((failures + 1))
    import -window root "$artifacts/$check-failure-$failures.png" 2>/dev/null
}
