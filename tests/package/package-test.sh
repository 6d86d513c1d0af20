#!/usr/bin/env bash
# Checks the Debian package as a user installing it meets it: the desktop entries, the AppStream data and the
# package itself pass their validators (lintian without errors); the files sit where the desktop looks for them
# under one application id; and, unpacked into a private root, nelvora-report there reads the real vCard corpus
# through the packaged module exactly as the build tree's does, and the window program on a private X desktop
# finds its module (its list shows, no start-up error box) and opens the packaged help page.
#
# Usage: package-test.sh <nelvora_*.deb> <corpus folder> <build tree bin folder> <folder for the screenshots>
set -uo pipefail

deb=$(readlink -f -- "${1:?package}")
corpus=$(cd "${2:?corpus folder}" && pwd)
reference=$(cd "${3:?bin folder of the build tree}" && pwd)
artifacts=${4:?artifact folder}
mkdir -p "$artifacts"
artifacts=$(cd "$artifacts" && pwd)
here=$(cd "$(dirname "$0")" && pwd)

for tool in dpkg-deb readelf lintian desktop-file-validate appstreamcli Xvfb openbox trayer xdotool xwininfo xprop import timeout; do
    command -v "$tool" >/dev/null || { echo "package: missing tool: $tool (run scripts/setup --tests)" >&2; exit 1; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/nelvora-package.XXXXXX")
pids=()
# shellcheck source=../e2e/xsession.sh
. "$here/../e2e/xsession.sh"
trap end_session EXIT
trap 'exit 130' INT TERM

failures=0
step() { echo "package: $*"; }
fail()
{
    echo "package: FAIL: $*" >&2
    failures=$((failures + 1))
}

step "$deb"
root=$work/root
dpkg-deb -x "$deb" "$root" || { echo "package: cannot unpack $deb" >&2; exit 1; }

# ---- validators ----
step "lintian"
lintian --fail-on error --tag-display-limit 0 "$deb" >"$work/lintian.log" 2>&1 || fail "lintian: $(grep -v '^N:' "$work/lintian.log")"
grep -E '^[EW]: ' "$work/lintian.log" | sed 's/^/package:   /'

app_id=$(dpkg-deb -c "$deb" | sed -n 's#.*/usr/share/metainfo/\(.*\)\.metainfo\.xml$#\1#p')
step "application id '$app_id'"
case $app_id in
*.*.*) ;;
*) fail "no reverse-DNS AppStream id in the package" ;;
esac

step "desktop-file-validate, appstreamcli validate"
for entry in "$root/usr/share/applications/$app_id.desktop" "$root/etc/xdg/autostart/$app_id.desktop"; do
    desktop-file-validate "$entry" || fail "desktop-file-validate ${entry#"$root"}"
    grep -qx "Icon=$app_id" "$entry" || fail "${entry#"$root"} does not name the icon $app_id"
done
appstreamcli validate --no-net "$root/usr/share/metainfo/$app_id.metainfo.xml" >"$work/appstream.log" 2>&1 ||
    fail "appstreamcli: $(cat "$work/appstream.log")"
grep -q "<launchable type=\"desktop-id\">$app_id.desktop</launchable>" "$root/usr/share/metainfo/$app_id.metainfo.xml" ||
    fail "the AppStream data does not launch $app_id.desktop"

# ---- where the files are ----
step "layout"
multiarch=$(dpkg-architecture -qDEB_HOST_MULTIARCH 2>/dev/null || gcc -print-multiarch)
for file in usr/bin/nelvora usr/bin/nelvora-report usr/bin/nelvora-launch "usr/lib/$multiarch/nelvora/libwab32.so" \
    usr/share/nelvora/nelvora.html "usr/share/icons/hicolor/scalable/apps/$app_id.svg" \
    usr/share/man/man1/nelvora.1.gz usr/share/man/man1/nelvora-report.1.gz usr/share/doc/nelvora/copyright; do
    [ -e "$root/$file" ] || fail "no /$file"
done
# The module is found through the programs' own RUNPATH, relative to where they are: nowhere else is looked at.
for program in nelvora nelvora-report; do
    readelf -d "$root/usr/bin/$program" | grep -F "RUNPATH" | grep -qF "[\$ORIGIN/../lib/$multiarch/nelvora" ||
        fail "$program: RUNPATH does not lead to /usr/lib/$multiarch/nelvora: $(readelf -d "$root/usr/bin/$program" | grep -F PATH)"
done
dpkg-deb -f "$deb" Depends | grep -q 'xdg-utils' || fail "Depends lacks xdg-utils"
# Every language of the source tree, and Qt's own translations for the standard buttons.
for ts in "$here"/../../translations/nelvora_*.ts; do
    qm=usr/share/nelvora/translations/$(basename "${ts%.ts}").qm
    [ -s "$root/$qm" ] || fail "no /$qm"
done
dpkg-deb -f "$deb" Depends | grep -q 'qt6-translations-l10n' || fail "Depends lacks qt6-translations-l10n"
grep -q '^Comment\[de\]=' "$root/usr/share/applications/$app_id.desktop" || fail "the menu entry has no German comment"
grep -q '<summary xml:lang="de">' "$root/usr/share/metainfo/$app_id.metainfo.xml" ||
    fail "the AppStream data has no German summary"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' || fail "Depends lacks what shlibdeps finds"

# ---- nelvora-report from the unpacked root ----
step "nelvora-report over the corpus"
report() { "$1" --today 2026-12-07 --days 366 --format tsv --contacts "$corpus/vcards"; }
report "$root/usr/bin/nelvora-report" >"$work/report.tsv" 2>"$work/report.err"
status=$?
[ "$status" = 0 ] || fail "nelvora-report: exit status $status: $(cat "$work/report.err")"
report "$reference/nelvora-report" >"$work/reference.tsv" 2>/dev/null
cmp -s "$work/report.tsv" "$work/reference.tsv" ||
    fail "the packaged report differs from the build tree's: $(diff "$work/reference.tsv" "$work/report.tsv" | head -5)"
grep -q 'Roid Ando' "$work/report.tsv" || fail "the report lacks a contact of the corpus"
step "  $(grep -c . "$work/report.tsv") lines"

# ---- the window program from the unpacked root ----
step "nelvora on a private X desktop"
private_environment
start_xvfb || { echo "package: no display for Xvfb" >&2; exit 1; }
start_window_manager || { echo "package: no window manager" >&2; exit 1; }
start_tray || { echo "package: no tray" >&2; exit 1; }

# The help page goes to the user's web handler; this one records what it was asked to open.
mkdir -p "$work/handler"
cat >"$work/handler/xdg-open" <<EOF
#!/bin/sh
printf '%s\n' "\$*" >>"$work/opened"
EOF
chmod 755 "$work/handler/xdg-open"

# A Spanish desktop: the box that the argument -forcedaily opens at start has the Spanish caption.
step "  a start in Spanish"
es_dir=$work/case-es
mkdir -p "$es_dir/data" "$es_dir/config/nelvora"
write_options "$es_dir/config/nelvora/Nelvora.cfg" 2 15 30
LANGUAGE=es XDG_DATA_HOME=$es_dir/data XDG_CONFIG_HOME=$es_dir/config \
    "$root/usr/bin/nelvora-launch" -forcedaily >"$es_dir/program.log" 2>&1 &
es_pid=$!
pids+=("$es_pid")
spanish_box() { xdotool search --onlyvisible --name '^Información$' 2>/dev/null | head -n1; }
if wait_for 45 spanish_box; then
    import -window root "$artifacts/package-start-es.png" 2>/dev/null
else
    fail "no box captioned 'Información' at a Spanish start: $(cat "$es_dir/program.log")"
fi
kill "$es_pid" 2>/dev/null
wait_exit "$es_pid" 15

case_dir=$work/case
echo "Due Today|$(birth_date 0)" | write_contacts "$case_dir/data/contacts"
mkdir -p "$case_dir/config/nelvora"
write_options "$case_dir/config/nelvora/Nelvora.cfg" 2 15 30
PATH=$work/handler:$PATH XDG_DATA_HOME=$case_dir/data XDG_CONFIG_HOME=$case_dir/config \
    "$root/usr/bin/nelvora-launch" >"$case_dir/program.log" 2>&1 &
program_pid=$!
pids+=("$program_pid")

opened() { [ -s "$work/opened" ]; }
if ! wait_for 45 main_window; then
    fail "the list did not show itself (start-up box: '$(xdotool search --onlyvisible --name '^Uncaught exception$' 2>/dev/null)')"
else
    window=$(main_window)
    sleep 1
    import -window root "$artifacts/package-window.png" 2>/dev/null
    timeout 5 xdotool windowactivate --sync "$window" >/dev/null 2>&1
    xdotool key --clearmodifiers alt+h
    if ! wait_for 10 opened; then
        fail "Help opened nothing"
    else
        target=$(head -n1 "$work/opened")
        step "  Help opened $target"
        # The opener is handed a local page as its path.
        [ "$target" = "$root/usr/share/nelvora/nelvora.html" ] || fail "Help opened '$target'"
    fi
    [ -z "$(xdotool search --onlyvisible --name '^Error$' 2>/dev/null)" ] || fail "an error box is shown"
    timeout 5 xdotool windowactivate --sync "$window" >/dev/null 2>&1
    xdotool key --clearmodifiers alt+q
fi
wait_exit "$program_pid" 15
[ "$exit_status" = 0 ] || fail "Quit Program: exit status $exit_status"

if [ "$failures" -ne 0 ]; then
    { echo "--- program"; cat "$case_dir/program.log"; } >&2
    echo "package: $failures failure(s)" >&2
    exit 1
fi
echo "package: all passed"
