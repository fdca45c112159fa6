#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real browser under a virtual display: it comes up on the saved path, moves with real key
# presses, and the Exit key leaves it with the key file and the settings written.
# Usage: browser_e2e.sh PATH_TO_ZEMBRA
set -euo pipefail
zembra=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$here/lib.sh"
make_cabinet "$work/cab"

export ZEMBRA_E2E_BIN=$zembra ZEMBRA_E2E_CAB=$work/cab ZEMBRA_E2E_LIB=$here/lib.sh
bash "$here/../support/with-display.sh" --size 800x600 bash -c '
    set -euo pipefail
    source "$ZEMBRA_E2E_LIB"
    start_zembra "$ZEMBRA_E2E_CAB/run.log" --home "$ZEMBRA_E2E_CAB"
    pid=$zembra_pid
    wait_for_browser
    xdo key --delay 120 Down Down Down Up Next Next Next Next Next Next Next Up Up
    xdo key Escape
    wait_for_exit "$pid"
' || { echo "FAIL: the run did not end cleanly"; cat "$work/cab/run.log"; exit 1; }

# Ten games are present; three downs and one up give the third game (index 2). A page moves by
# the list's middle row (at least one row, however tall the font makes them), so seven pages
# reach the last game (index 9) whatever the row height, and stop there; two ups give index 7.
settings=$(tr -d '\r' < "$work/cab/quarn.cfg")
index=$(sed -n 7p <<< "$settings")
path=$(sed -n 8p <<< "$settings")
keys=$(tr -d '\r' < "$work/cab/zbkeys.cfg")
status=0
[ "$path" = "1" ] || { echo "FAIL: saved path is '$path', not 1"; status=1; }
[ "$index" = "7" ] || { echo "FAIL: saved index is '$index', not 7"; status=1; }
[ "$keys" = "38,40,34,33,116,9,39,37,13,27,83,77,73" ] || { echo "FAIL: key file '$keys'"; status=1; }
[ "$(sed -n 1p <<< "$settings")" = '"\plain\"' ] || { echo "FAIL: skin not kept"; status=1; }
[ $status -eq 0 ] && echo "browser end to end: ok"
exit $status
