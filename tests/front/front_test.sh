#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The built zembra needs none of the window, media and joystick libraries, the window program
# does; a zembra without its window program says so; the window program refuses to start alone.
# Usage: front_test.sh PATH_TO_ZEMBRA PATH_TO_ZEMBRA_WINDOW
set -uo pipefail
zembra=$1
window=$2
source "$(dirname "${BASH_SOURCE[0]}")/../e2e/lib.sh" # fail, e2e_end
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The window libraries: Qt, X11 and its extensions, xcb, OpenGL, D-Bus, SDL, libmpv.
window_libraries='libQt|libX|libxcb|libGL|libEGL|libdbus|libSDL|libmpv'
needed() { readelf -d "$1" | sed -n 's/.*(NEEDED).*\[\(.*\)\]/\1/p'; }
out=$( (needed "$zembra"; ldd "$zembra") | grep -E "$window_libraries")
[ -z "$out" ] || fail "zembra loads window libraries: $out"
needed "$window" | grep -q libQt6Widgets || fail "the check above is blind: zembra-window needs no Qt"

# Alone in a folder: the commands without a window still work, a window run says what is missing.
cp "$zembra" "$work/zembra"
out=$("$work/zembra" --version 2>&1) || fail "zembra alone: --version failed: $out"
status=0
out=$("$work/zembra" --home "$work" 2>&1) || status=$?
[ "$status" = 2 ] || fail "zembra without its window program ended with $status"
same "zembra without its window program" \
    "zembra: the window program zembra-window is missing: $work/zembra-window (No such file or directory), $(dirname "$work")/libexec/zembra/zembra-window (No such file or directory); reinstall zembra" \
    "$out"

status=0
out=$("$window" --home "$work" 2>&1) || status=$?
[ "$status" = 2 ] || fail "zembra-window started by hand ended with $status"
grep -qF "is started by zembra" <<< "$out" || fail "zembra-window started by hand said: $out"

e2e_end "zembra without window libraries"
