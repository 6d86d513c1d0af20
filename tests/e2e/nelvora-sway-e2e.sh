#!/usr/bin/env bash
# The real program on sway, headless, with waybar's tray and mako's notifications, as a sway user meets it:
#   1. through the launcher (XWayland): the tray item is registered once, the notice is in `makoctl list` once, and
#      the window is mapped wholly inside the output;
#   2. "Quit Application" from the tray's menu leaves no notice; a new start shows one again;
#   3. a killed program's notice is replaced by the next start's: still one;
#   4. a start-and-quit run leaves its notice up, with no action that would need the ended program;
#   5. natively on Wayland (QT_QPA_PLATFORM=wayland) the window shows without the toolkit's opacity warning
#      (NELVORA_SWAY_OPACITY_CHECK=0 only counts the warnings).
#
# sway refuses to run as root: as root the session runs as a user of its own, made here and removed at the end.
# Exits 77 (skipped) only where the desktop's packages are missing (scripts/setup --tests installs them).
#
# Usage: nelvora-sway-e2e.sh <folder holding nelvora and nelvora-launch> <folder for the screenshots>
set -uo pipefail

bindir=$(cd "${1:?bin folder}" && pwd)
artifacts=${2:?artifact folder}
here=$(cd "$(dirname "$0")" && pwd)
check=sway

for tool in sway swaymsg waybar mako makoctl Xwayland grim jq busctl dbus-run-session dbus-send setpriv useradd \
    userdel timeout python3; do
    command -v "$tool" >/dev/null || { echo "sway: $tool is missing (scripts/setup --tests); skipped"; exit 77; }
done
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 ||
    { echo "sway: qt6-wayland is missing (scripts/setup --tests); skipped"; exit 77; }
/usr/bin/python3 -c 'import dbus' 2>/dev/null || { echo "sway: python3-dbus is missing; skipped"; exit 77; }

# ---- outside: a scratch folder, the session's user, and the session itself ----
if [ -z "${NELVORA_SWAY_INNER:-}" ]; then
    mkdir -p "$artifacts"
    artifacts=$(cd "$artifacts" && pwd)
    work=$(mktemp -d "${TMPDIR:-/tmp}/nelvora-sway.XXXXXX")
    chmod 755 "$work"
    mkdir -p "$work/home" "$work/runtime" "$work/out" "$work/prefix/bin" "$work/prefix/share" "$work/scripts"
    chmod 700 "$work/runtime"
    # The session's user may not reach into the build or source tree (a clone in root's home): it gets copies.
    cp "$bindir/nelvora" "$bindir/nelvora-launch" "$work/prefix/bin/" || { echo "sway: no program in $bindir" >&2; exit 1; }
    [ -d "$bindir/../share/nelvora" ] && cp -r "$bindir/../share/nelvora" "$work/prefix/share/"
    mkdir -p "$work/prefix/lib"
    cp -r "$bindir"/../lib/*.so* "$work/prefix/lib/" 2>/dev/null
    [ -d "$bindir/../lib/nelvora" ] && cp -r "$bindir/../lib/nelvora" "$work/prefix/lib/"
    cp "$0" "$here/xsession.sh" "$work/scripts/"
    chmod -R a+rX "$work/prefix" "$work/scripts"
    user=
    run_as=()
    if [ "$(id -u)" = 0 ]; then
        # Xwayland's socket folder: wlroots refuses one that is neither root's nor the session user's, as another
        # desktop's session may have left it.
        mkdir -p /tmp/.X11-unix
        [ "$(stat -c %u /tmp/.X11-unix)" = 0 ] || chown root:root /tmp/.X11-unix
        chmod 1777 /tmp/.X11-unix
        user=nelvora-sway-$$
        useradd -r -M -d "$work/home" -s /usr/sbin/nologin "$user" || { echo "sway: useradd failed" >&2; exit 1; }
        chown -R "$user:" "$work/home" "$work/runtime" "$work/out"
        run_as=(setpriv --reuid="$user" --regid="$user" --init-groups)
    fi
    cleanup()
    {
        if [ -n "$user" ]; then
            # Whatever the session left (it ends its own on the way out; a hung one is ended here, by id).
            local pid left
            for _ in $(seq 50); do
                left=$(ps -o pid= -u "$user" 2>/dev/null)
                [ -z "$left" ] && break
                sleep 0.1
            done
            for pid in $left; do kill -9 "$pid" 2>/dev/null; done
            userdel "$user" 2>/dev/null
        fi
        cp "$work"/out/*.png "$artifacts"/ 2>/dev/null
        rm -rf "$work"
    }
    trap cleanup EXIT
    trap 'exit 130' INT TERM
    timeout -k 5 240 "${run_as[@]}" env -i PATH="$PATH" HOME="$work/home" XDG_RUNTIME_DIR="$work/runtime" \
        LANG=C.UTF-8 LC_ALL=C.UTF-8 TMPDIR="$work/runtime" NELVORA_SWAY_INNER=1 \
        NELVORA_SWAY_OPACITY_CHECK="${NELVORA_SWAY_OPACITY_CHECK:-1}" \
        dbus-run-session -- bash "$work/scripts/$(basename "$0")" "$work/prefix/bin" "$work/out" </dev/null
    status=$?
    [ "$status" = 124 ] && echo "sway: the session did not end within 240 seconds" >&2
    exit "$status"
fi

# ---- inside: the session's user, on the session's own bus ----
work=$HOME
pids=()
# shellcheck source=xsession.sh
. "$here/xsession.sh"
fail()
{
    echo "$check: FAIL: $*" >&2
    failures=$((failures + 1))
    grim "$artifacts/$check-failure-$failures.png" 2>/dev/null
}
end()
{
    local pid
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null; done
    sleep 0.3
    for pid in "${pids[@]}"; do
        kill -9 "$pid" 2>/dev/null
        wait "$pid" 2>/dev/null
    done
}
trap end EXIT
trap 'exit 130' INT TERM

mkdir -p "$work/sway"
cat >"$work/sway/waybar.json" <<'JSON'
{ "position": "bottom", "height": 30, "modules-right": ["tray", "clock"], "tray": { "spacing": 4 } }
JSON
echo '* { font-family: sans-serif; font-size: 12px; }' >"$work/sway/waybar.css"
cat >"$work/sway/sway.conf" <<CONF
output HEADLESS-1 resolution 1280x800 position 0 0 bg #406080 solid_color
xwayland enable
exec waybar -c $work/sway/waybar.json -s $work/sway/waybar.css
exec mako
CONF
unset WAYLAND_DISPLAY DISPLAY SWAYSOCK
WLR_BACKENDS=headless WLR_RENDERER=pixman WLR_LIBINPUT_NO_DEVICES=1 WLR_HEADLESS_OUTPUTS=1 \
    sway -c "$work/sway/sway.conf" >"$work/sway.log" 2>&1 &
sway_pid=$!
pids+=("$sway_pid")

sway_socket() { ls "$XDG_RUNTIME_DIR"/sway-ipc.*.sock 2>/dev/null | head -n1; }
wayland_socket() { ls "$XDG_RUNTIME_DIR"/wayland-[0-9] 2>/dev/null | head -n1; }
wait_for 20 sway_socket || { echo "sway: sway did not start: $(cat "$work/sway.log")" >&2; exit 1; }
export SWAYSOCK
SWAYSOCK=$(sway_socket)
wait_for 10 wayland_socket || { echo "sway: no Wayland socket" >&2; exit 1; }
wayland=$(wayland_socket)
export WAYLAND_DISPLAY=$wayland # for grim
# Asked without starting anything: an installed server that D-Bus would activate is not the desktop's.
notification_server()
{
    dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
        org.freedesktop.DBus.NameHasOwner string:org.freedesktop.Notifications | grep -q 'boolean true'
}
wait_for 20 notification_server && makoctl list >/dev/null || { echo "sway: mako did not start" >&2; exit 1; }
waybar_pid() { pgrep -u "$(id -u)" -x waybar | head -n1; }
wait_for 20 waybar_pid || { echo "sway: waybar did not start" >&2; exit 1; }
display=$(tr '\0' '\n' <"/proc/$(waybar_pid)/environ" | sed -n 's/^DISPLAY=//p')
[ -n "$display" ] || { echo "sway: sway gave waybar no DISPLAY" >&2; exit 1; }
watcher() { dbus-send --session --print-reply --dest=org.kde.StatusNotifierWatcher /StatusNotifierWatcher \
    org.freedesktop.DBus.Properties.Get string:org.kde.StatusNotifierWatcher string:"$1"; }
wait_for 20 watcher IsStatusNotifierHostRegistered || { echo "sway: waybar's tray did not start" >&2; exit 1; }
step "sway on $wayland, XWayland on $display"

# The tray items registered with waybar's watcher, one a line.
tray_items() { watcher RegisteredStatusNotifierItems | sed -n 's/^ *string "\(.*\)"$/\1/p'; }
tray_count() { tray_items | grep -c .; }
tray_is() { [ "$(tray_count)" = "$1" ]; }
# The program's notices in mako's list, and those of them with actions.
notices() { makoctl list | jq '[.data[0][] | select(."app-name".data == "Nelvora")] | length'; }
notices_with_actions()
{
    makoctl list | jq '[.data[0][] | select(."app-name".data == "Nelvora") | select((.actions.data | length) > 0)] | length'
}
has_notices() { [ "$(notices)" = "$1" ]; }
# The program's window in sway's tree: x y width height, and the output's.
window_rect()
{
    swaymsg -t get_tree | jq -r '.. | objects | select(.name? // "" | startswith("Nelvora - ")) | select(.visible == true)
        | "\(.rect.x) \(.rect.y) \(.rect.width) \(.rect.height)"' | head -n1
}
has_window() { [ -n "$(window_rect)" ]; }
output_rect() { swaymsg -t get_outputs | jq -r '.[0].rect | "\(.x) \(.y) \(.width) \(.height)"'; }

program_pid=
start_program()
{
    local case_dir=$1
    shift
    env XDG_DATA_HOME="$case_dir/data" XDG_CONFIG_HOME="$case_dir/config" XDG_CURRENT_DESKTOP=sway \
        XDG_SESSION_TYPE=wayland WAYLAND_DISPLAY="$wayland" DISPLAY="$display" "$@" "$bindir/nelvora-launch" \
        >>"$case_dir/program.log" 2>&1 &
    program_pid=$!
    pids+=("$program_pid")
}
# Options with "Remind me with" at offset 24: file run-mode days auto-close remind-with.
write_remind_options()
{
    mkdir -p "$(dirname "$1")"
    printf '%b' "$(le32 0)$(le32 4660)$(le32 "$2")$(le32 "$3")$(le32 "$4")$(le32 0)$(le32 "$5")$(le32 0)" >"$1"
}
# Picks "Quit Application" in the tray item's menu, as a click in waybar's menu does.
tray_quit()
{
    timeout 10 /usr/bin/python3 - "$(tray_items | head -n1)" <<'PY'
import sys, time, dbus
item = sys.argv[1]
service, _, path = item.partition("/")
path = "/" + path if path else "/StatusNotifierItem"
bus = dbus.SessionBus()
menu = dbus.Interface(bus.get_object(service, path), "org.freedesktop.DBus.Properties").Get(
    "org.kde.StatusNotifierItem", "Menu")
dbusmenu = dbus.Interface(bus.get_object(service, menu), "com.canonical.dbusmenu")
_, layout = dbusmenu.GetLayout(0, -1, [])
def find(node):
    ident, props, children = node
    if "Quit" in str(props.get("label", "")).replace("&", "").replace("_", ""):
        return ident
    for child in children:
        found = find(child)
        if found is not None:
            return found
found = find(layout)
if found is None:
    sys.exit("no Quit in the tray menu")
dbusmenu.Event(found, "clicked", dbus.Int32(0, variant_level=1), dbus.UInt32(int(time.time())))
PY
}

case1=$work/case1
{
    echo "Ada Sway|$(birth_date 0)"
    echo "Ben Sway|$(birth_date 1)"
} | write_contacts "$case1/data/contacts"
write_remind_options "$case1/config/nelvora/Nelvora.cfg" 2 15 30 0

# ---- 1: through the launcher ----
step "1: start through the launcher"
start_program "$case1"
wait_for 30 has_window || fail "1: the window was not mapped"
if [ -n "$(window_rect)" ]; then
    read -r wx wy ww wh <<<"$(window_rect)"
    read -r ox oy ow oh <<<"$(output_rect)"
    step "1: window $wx,$wy ${ww}x$wh on output $ox,$oy ${ow}x$oh"
    ((wx >= ox && wy >= oy && wx + ww <= ox + ow && wy + wh <= oy + oh)) ||
        fail "1: the window ($wx,$wy ${ww}x$wh) is not wholly inside the output"
    grim "$artifacts/sway-1-window.png" 2>/dev/null
fi
wait_for 20 has_notices 1 || fail "1: mako lists $(notices) notices of the program, not one"
wait_for 20 tray_is 1 || fail "1: no tray item"
sleep 1
[ "$(tray_count)" = 1 ] || fail "1: $(tray_count) tray items: $(tray_items | tr '\n' ' ')"

# ---- 2: Quit from the tray, then a new start ----
step "2: Quit Application"
tray_quit || fail "2: the tray menu's Quit could not be picked"
wait_exit "$program_pid" 15
[ "$exit_status" = 0 ] || fail "2: Quit: exit status $exit_status"
wait_for 10 has_notices 0 || fail "2: after Quit mako still lists $(notices) notices"
wait_for 10 tray_is 0 || fail "2: the tray item outlived the program"
start_program "$case1"
wait_for 30 has_notices 1 || fail "2: after a new start mako lists $(notices) notices, not one"
sleep 1
[ "$(notices)" = 1 ] || fail "2: a second notice came up after the new start"
[ "$(tray_count)" = 1 ] || fail "2: $(tray_count) tray items after the new start"

# ---- 3: killed, then started again ----
step "3: a killed program"
kill -KILL "$program_pid"
wait "$program_pid" 2>/dev/null
[ "$(notices)" = 1 ] || fail "3: the killed program's notice is not up ($(notices))"
start_program "$case1"
wait_for 30 has_window || fail "3: the next start did not show the window"
sleep 2
[ "$(notices)" = 1 ] || fail "3: mako lists $(notices) notices after the start that followed a kill"
tray_quit || fail "3: the tray menu's Quit could not be picked"
wait_exit "$program_pid" 15
wait_for 10 has_notices 0 || fail "3: after Quit mako still lists $(notices) notices"

# ---- 4: start and quit ----
step "4: start and quit"
case4=$work/case4
echo "Cleo Sway|$(birth_date 0)" | write_contacts "$case4/data/contacts"
write_remind_options "$case4/config/nelvora/Nelvora.cfg" 1 15 30 2
start_program "$case4"
wait_exit "$program_pid" 30
[ "$exit_status" = 0 ] || fail "4: start-and-quit: exit status $exit_status"
wait_for 10 has_notices 1 || fail "4: the start-and-quit run left $(notices) notices, not one"
[ "$(notices_with_actions)" = 0 ] || fail "4: the notice of the ended program still offers actions"
makoctl dismiss -a 2>/dev/null

# ---- 5: native Wayland ----
step "5: native Wayland"
case5=$work/case5
echo "Dora Sway|$(birth_date 0)" | write_contacts "$case5/data/contacts"
write_remind_options "$case5/config/nelvora/Nelvora.cfg" 2 15 1 0
start_program "$case5" QT_QPA_PLATFORM=wayland
wait_for 30 has_window || fail "5: the window was not mapped natively"
sleep 3 # the fade in
grim "$artifacts/sway-5-native.png" 2>/dev/null
warnings=$(grep -c 'does not support setting window opacity' "$case5/program.log")
step "5: $warnings opacity warning line(s)"
if [ "${NELVORA_SWAY_OPACITY_CHECK:-1}" = 1 ] && [ "$warnings" != 0 ]; then
    fail "5: $warnings lines of the opacity warning"
fi
wait_for 10 tray_is 1 || fail "5: $(tray_count) tray items natively"
tray_quit || fail "5: the tray menu's Quit could not be picked"
wait_exit "$program_pid" 15
[ "$exit_status" = 0 ] || fail "5: Quit: exit status $exit_status"

if [ "$failures" -ne 0 ]; then
    for f in "$work"/case*/program.log "$work/sway.log"; do
        [ -s "$f" ] && { echo "--- $f"; tail -n 40 "$f"; } >&2
    done
    echo "sway: $failures failure(s); screenshots in the artifact folder" >&2
    exit 1
fi
echo "sway: all passed"
