#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A new owner's first start: a cabinet of quarn.ini, gamelist.lst and ROMs opens a browser with
# the default skin and keys (written into the cabinet, said on standard error) that Escape
# leaves; the second start writes nothing more; a key file that binds nothing to Exit still
# lets Escape leave; a mistyped folder, a missing catalogue and a missing display are said
# before any window opens. Usage: first_start_e2e.sh PATH_TO_ZEMBRA
set -euo pipefail
zembra=$1
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
# The leak checker's own tracer crashed now and then as this run's programs ended on a loaded
# machine; leaks of the same start-up code are checked by the window tests.
export ASAN_OPTIONS="${ASAN_OPTIONS:+$ASAN_OPTIONS:}detect_leaks=0"
e2e_begin "$zembra"
rm -rf "$cab/quarn.cfg" "$cab/zbkeys.cfg" "$cab/zbthemes"

# Two starts, each left with Escape; between them the key file loses its Exit key.
on_display '
    for run in first second; do
        start_zembra "$ZEMBRA_E2E_CAB/$run.log" --home "$ZEMBRA_E2E_CAB"
        pid=$zembra_pid
        wait_for_browser
        xdo key Escape
        wait_for_exit "$pid"
        printf "38,40,34,33,116,9,39,37,13,,83,77,73\r\n" > "$ZEMBRA_E2E_CAB/zbkeys.cfg"
    done
' || fail "a start did not end with Escape: $(cat "$cab"/*.log)"

for file in quarn.cfg zbkeys.cfg joystick.ini zbthemes/neon/skin.ini zbthemes/neon/scheme.cfg \
    zbthemes/neon/background.jpg; do
    [ -s "$cab/$file" ] || fail "the first start did not write $file"
done
for said in "no quarn.cfg in $cab/" "no zbkeys.cfg in $cab/" "no joystick.ini in" \
    "wrote the default skin to $cab/zbthemes/neon/"; do
    grep -qF -- "$said" "$cab/first.log" || fail "the first start did not say \"$said\""
done
if grep -q "wrote" "$cab/second.log"; then
    fail "the second start wrote defaults again: $(cat "$cab/second.log")"
fi

# Said before any window: none of these needs a display.
expect() { # status, text, arguments...
    local want=$1 text=$2 got=0 output
    shift 2
    output=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$zembra" "$@" 2>&1) || got=$?
    [ "$got" = "$want" ] || fail "zembra $*: status $got, not $want ($output)"
    grep -qF -- "$text" <<< "$output" || fail "zembra $*: \"$text\" not in: $output"
}
expect 1 "zembra: no display: set DISPLAY, or run under a display server" --home "$cab"
expect 2 "zembra: the cabinet folder $work/cba does not exist" --home "$work/cba" --rescan
rm "$cab/gamelist.lst"
rescan=$("$zembra" --home "$cab" --rescan 2>&1 || true)
expect 2 "$rescan" --home "$cab"

e2e_end "first start end to end"
