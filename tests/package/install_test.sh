#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The Debian package as a cabinet gets it: built with cpack from a Release build folder, its
# control fields, then unpacked into a scratch root and run from there with nothing of the build
# folder to lean on: --version, a rescan of a bare cabinet (quarn.ini and gamelist.lst only),
# and the first start of an owner with no cabinet. The installed zembra loads no window library
# and hands a window run to the window program in usr/libexec/zembra.
# The menu entries, the session entry and the manual pages pass their checkers.
# Usage: install_test.sh BUILD_DIR   (zembra, tessel and the manual pages already built)
set -uo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source_root=$(cd "$here/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
# shellcheck source=tests/e2e/lib.sh
source "$source_root/tests/e2e/lib.sh" # make_cabinet, fail and e2e_end

version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb=$build/zembra_${version}_$(dpkg --print-architecture).deb
rm -f "$deb"
(cd "$build" && cpack -G DEB > "$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; exit 1; }
[ -f "$deb" ] || { echo "FAIL: cpack made no $deb"; ls "$build"/*.deb; exit 1; }

# The libraries come from what the programs link; the media and joystick libraries are named.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = zembra ] || fail "the package is called $(field Package)"
[ "$(field Version)" = "$version" ] || fail "the package's version is $(field Version)"
for library in libqt6widgets6 libqt6dbus6 libx11-6 libxrandr2 libxtst6 libmpv2 libsdl2-2.0-0 libc6; do
    grep -qE "(^|, )$library( |,|$)" <<< "$(field Depends)" ||
        fail "Depends does not name $library: $(field Depends)"
done

root=$work/root
dpkg -x "$deb" "$root"
programs=$(find "$root/usr/bin" -mindepth 1 -printf '%f\n' | sort | tr '\n' ' ')
[ "$programs" = "tessel zembra zembra-cabinet-session " ] ||
    fail "usr/bin holds \"$programs\", not only the two programs and the session"
window=$root/usr/libexec/zembra/zembra-window
[ -x "$window" ] || fail "the window program is not installed as usr/libexec/zembra/zembra-window"
for program in usr/bin/zembra usr/bin/tessel usr/libexec/zembra/zembra-window; do
    if grep -qaF -e "$build" -e "$source_root" "$root/$program"; then
        fail "$program has a path of the build or source folder compiled in"
    fi
done
# The defaults are installed exactly as the build lays them out beside its own program.
out=$(diff -r "$build/share/zembra" "$root/usr/share/zembra" 2>&1) ||
    fail "the installed defaults differ from the build's: $out"
[ -f "$root/usr/share/zembra/zbthemes/neon/skin.ini" ] || fail "the default skin is not installed"

installed() { env -u LD_LIBRARY_PATH -u ZEMBRA_HOME -u XDG_DATA_HOME "$@"; }

out=$(installed "$root/usr/bin/zembra" --version 2>&1)
[ "$out" = "zembra $version" ] || fail "zembra --version said: $out"
out=$( (readelf -d "$root/usr/bin/zembra"; ldd "$root/usr/bin/zembra") |
    grep -E 'libQt|libX|libxcb|libGL|libEGL|libdbus|libSDL|libmpv')
[ -z "$out" ] || fail "the installed zembra loads window libraries: $out"
out=$(installed "$root/usr/bin/tessel" --version 2>&1)
grep -qF "$version" <<< "$out" || fail "tessel --version said: $out"

# A bare cabinet: quarn.ini and gamelist.lst, three of five games present.
make_cabinet "$work/bare"
rm -rf "$work/bare/quarn.cfg" "$work/bare/zbkeys.cfg" "$work/bare/zbthemes"
head -n 5 "$work/bare/gamelist.lst" > "$work/bare/list" && mv "$work/bare/list" "$work/bare/gamelist.lst"
got=$(installed "$root/usr/bin/zembra" --home "$work/bare" --rescan 2>&1)
got_status=$?
[ "$got_status" = 0 ] || fail "the installed rescan ended with $got_status: $got"
grep -qF "path 1: $work/bare/roms/  3 games" <<< "$got" || fail "the installed rescan said: $got"
[ -f "$work/bare/l 1.lst" ] || fail "the installed rescan wrote no list file"

# An owner's first start, with no cabinet anywhere: the starter is made in the data folder.
mkdir "$work/home"
out=$(HOME=$work/home installed "$root/usr/bin/zembra" --rescan 2>&1)
cabinet=$work/home/.local/share/zembra/cabinet
grep -qF "made a new cabinet in $cabinet/" <<< "$out" || fail "the first start said: $out"
grep -qF "path 1: $cabinet/roms/  0 games" <<< "$out" || fail "the first rescan said: $out"
grep -qxF "Path=$cabinet/roms/" "$cabinet/quarn.ini" || fail "the starter quarn.ini is not filled in"
out=$(HOME=$work/home installed "$root/usr/bin/zembra" --rescan 2>&1)
if grep -qF "made a new cabinet" <<< "$out"; then fail "the second start made the cabinet again"; fi
# A window run reaches the window program in libexec with the cabinet zembra chose: without its
# catalogue the owner's cabinet stops the start as it stops the rescan.
rm "$cabinet/gamelist.lst"
rescan=$(HOME=$work/home installed "$root/usr/bin/zembra" --rescan 2>&1)
status=0
out=$(HOME=$work/home installed env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM \
    "$root/usr/bin/zembra" 2>&1) || status=$?
[ "$status" = 2 ] && [ "$out" = "$rescan" ] ||
    fail "the installed window run ended with $status, saying: $out (the rescan said: $rescan)"

# The entries and the manual pages.
for entry in usr/share/applications/zembra.desktop usr/share/applications/tessel.desktop \
    usr/share/xsessions/zembra-cabinet.desktop; do
    out=$(desktop-file-validate "$root/$entry" 2>&1) || fail "$entry: $out"
    icon=$(sed -n 's/^Icon=//p' "$root/$entry")
    if [ ! -f "$root/usr/share/icons/hicolor/scalable/apps/$icon.svg" ] ||
        [ ! -f "$root/usr/share/icons/hicolor/48x48/apps/$icon.png" ]; then
        fail "$entry: no icon $icon"
    fi
    exec_program=$(sed -n 's/^Exec=\([^ ]*\).*/\1/p' "$root/$entry")
    [ -x "$root/usr/bin/$exec_program" ] || fail "$entry: starts $exec_program, which is not installed"
done
for page in usr/share/man/man6/zembra.6.gz usr/share/man/man1/tessel.1.gz; do
    [ -f "$root/$page" ] || { fail "no manual page $page"; continue; }
    out=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$root/$page" 2>&1 > /dev/null)
    [ -z "$out" ] || fail "$page: $out"
    zcat "$root/$page" | grep -qF "$version" || fail "$page does not carry the version"
done

e2e_end "Debian package $(basename "$deb")"
