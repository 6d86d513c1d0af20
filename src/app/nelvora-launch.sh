#!/bin/sh
# Starts Nelvora in its configuration folder.
#
# The program keeps its options in "Nelvora.cfg" in the working directory and never creates that file itself
# ("Save Changes" only rewrites an existing one), so this makes $XDG_CONFIG_HOME/nelvora with a file holding the
# defaults (daily check, 15 days ahead, close the list after 1 minute, not on top) on first use. An existing file is
# never touched.
set -eu

self=$(readlink -f -- "$0" 2>/dev/null) || self=$0
bindir=$(dirname -- "$self")

# XDG base directories: a relative or empty value is to be ignored. nelvora-report finds its options and the
# left-out books by the same rule (ConfigFolder in src/config): change both together.
config_home=${XDG_CONFIG_HOME:-}
case $config_home in
/*) ;;
*) config_home=${HOME:?HOME is not set}/.config ;;
esac
dir=$config_home/nelvora
mkdir -p -- "$dir"

cfg=$dir/Nelvora.cfg
if [ ! -e "$cfg" ] && [ ! -L "$cfg" ]; then
    # noclobber: if something appears between the test and the write, it wins and is left alone.
    (
        set -C
        printf '\000\000\000\000\064\022\000\000\002\000\000\000\017\000\000\000\001\000\000\000\000\000\000\000\000\000\000\000\000\000\000\000' >"$cfg"
    ) 2>/dev/null || true
fi

# The window places itself at the bottom right and may stay on top, which a Wayland compositor does not let a
# program do. Through XWayland, GNOME's and KDE Plasma's window managers honour both, so X is chosen wherever it is
# there. sway centres every X window and keeps none on top, so XWayland gains nothing there: the program runs
# natively without an X server, and sway's rules for the app id org.example.nelvora (floating, a place) apply. A
# platform the user chose is left alone, and without X Qt's default applies.
on_sway=
case ${XDG_CURRENT_DESKTOP:-} in
*[Ss]way*) on_sway=1 ;;
esac
[ -n "${SWAYSOCK:-}" ] && on_sway=1
if [ -z "${QT_QPA_PLATFORM:-}" ]; then
    if [ -n "$on_sway" ] && [ -n "${WAYLAND_DISPLAY:-}" ]; then
        QT_QPA_PLATFORM=wayland
        export QT_QPA_PLATFORM
    elif [ -n "${DISPLAY:-}" ]; then
        QT_QPA_PLATFORM=xcb
        export QT_QPA_PLATFORM
    fi
fi

cd -- "$dir"
exec "$bindir/nelvora" "$@"
