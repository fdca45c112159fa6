#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real browser under a virtual display: it comes up on the saved path (still named zembra
# after the hand-over to its window program), moves with real key presses, and the Exit key
# leaves it with the key file and the settings written.
# Usage: browser_e2e.sh PATH_TO_ZEMBRA
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin "$1"
on_display '
    start_zembra "$ZEMBRA_E2E_CAB/run.log" --home "$ZEMBRA_E2E_CAB"
    pid=$zembra_pid
    wait_for_browser
    # zembra became its window program; process lists still call it zembra.
    [ "$(cat /proc/$pid/comm)" = zembra ] || { echo "FAIL: the window run is called $(cat /proc/$pid/comm)"; exit 1; }
    xdo key --delay 120 Down Down Down Up Next Next Next Next Next Next Next Up Up
    xdo key Escape
    wait_for_exit "$pid"
' || { echo "FAIL: the run did not end cleanly"; cat "$cab/run.log"; exit 1; }

# Ten games are present; three downs and one up give the third game (index 2). A page moves by
# the list's middle row (at least one row, however tall the font makes them), so seven pages
# reach the last game (index 9) whatever the row height, and stop there; two ups give index 7.
settings=$(tr -d '\r' < "$cab/quarn.cfg")
index=$(sed -n 7p <<< "$settings")
path=$(sed -n 8p <<< "$settings")
keys=$(tr -d '\r' < "$cab/zbkeys.cfg")
same "the saved path" 1 "$path"
same "the saved index" 7 "$index"
same "the key file" "38,40,34,33,116,9,39,37,13,27,83,77,73" "$keys"
same "the skin" '"\plain\"' "$(sed -n 1p <<< "$settings")"
e2e_end "browser end to end"
