#!/usr/bin/env bash
# The installed launcher: it makes the options folder with a default options file on first use, leaves an existing
# file alone, starts the program there with its arguments, and picks XWayland only when X is there and the user has
# not chosen a platform. The program is a stand-in beside a copy of the launcher that reports what it was given.
#
# Usage: launcher-test.sh <nelvora-launch.sh>
set -uo pipefail
launcher=${1:?launcher script}
work=$(mktemp -d "${TMPDIR:-/tmp}/nelvora-launcher.XXXXXX")
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin"
cp "$launcher" "$work/bin/nelvora-launch"
cat >"$work/bin/nelvora" <<'PROGRAM'
#!/bin/sh
echo "dir=$(pwd) platform=${QT_QPA_PLATFORM-unset} args=$*"
PROGRAM
chmod 755 "$work/bin/nelvora-launch" "$work/bin/nelvora"
# Found through a link on PATH, as from /usr/bin.
ln -s "$work/bin/nelvora-launch" "$work/launch-link"

failures=0
expect() # description expected actual
{
    if [ "$2" != "$3" ]; then
        echo "launcher: FAIL: $1: expected '$2', got '$3'" >&2
        failures=$((failures + 1))
    fi
}

run() { env -u QT_QPA_PLATFORM -u DISPLAY -u WAYLAND_DISPLAY -u SWAYSOCK -u XDG_CURRENT_DESKTOP HOME="$work/home" XDG_CONFIG_HOME= "$@"; }

cfg=$work/home/.config/nelvora/Nelvora.cfg
expect "an X display" "dir=$work/home/.config/nelvora platform=xcb args=-noblend" \
    "$(run DISPLAY=:5 WAYLAND_DISPLAY=wayland-0 "$work/launch-link" -noblend)"
expect "default options file" "0000000034120000020000000f00000001000000000000000000000000000000" \
    "$(od -An -tx1 -v "$cfg" | tr -d ' \n')"

expect "the user's choice" "dir=$work/home/.config/nelvora platform=wayland args=" \
    "$(run DISPLAY=:5 QT_QPA_PLATFORM=wayland "$work/launch-link")"
expect "sway, which keeps X windows neither in a corner nor on top" "dir=$work/home/.config/nelvora platform=wayland args=" \
    "$(run DISPLAY=:5 WAYLAND_DISPLAY=wayland-0 SWAYSOCK=/run/sway.sock "$work/launch-link")"
expect "GNOME through XWayland" "dir=$work/home/.config/nelvora platform=xcb args=" \
    "$(run DISPLAY=:5 WAYLAND_DISPLAY=wayland-0 XDG_CURRENT_DESKTOP=GNOME "$work/launch-link")"
expect "Wayland only" "dir=$work/home/.config/nelvora platform=unset args=" \
    "$(run WAYLAND_DISPLAY=wayland-0 "$work/launch-link")"

printf 'mine' >"$cfg"
run "$work/launch-link" >/dev/null
expect "an existing options file" "mine" "$(cat "$cfg")"

expect "an absolute XDG_CONFIG_HOME" "dir=$work/cfg/nelvora platform=unset args=" \
    "$(env -u QT_QPA_PLATFORM -u DISPLAY HOME="$work/home" XDG_CONFIG_HOME="$work/cfg" "$work/launch-link")"

expect "a relative XDG_CONFIG_HOME is ignored" "dir=$work/home/.config/nelvora platform=unset args=" \
    "$(cd "$work" && env -u QT_QPA_PLATFORM -u DISPLAY HOME="$work/home" XDG_CONFIG_HOME=cfg "$work/launch-link")"

[ "$failures" -eq 0 ] && echo "launcher: all passed"
[ "$failures" -eq 0 ]
