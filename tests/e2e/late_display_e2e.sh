#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# At power-on the session may start Zembra before its X server accepts clients: Zembra started
# a second before the display exists still comes up, and leaves on the Exit key.
# Usage: late_display_e2e.sh PATH_TO_ZEMBRA
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin "$1"
server=""
trap '[ -n "$server" ] && kill "$server" 2> /dev/null; rm -rf "$work"' EXIT

for attempt in $(seq 1 20); do
    number=$((RANDOM % 900 + 100))
    [ -e "/tmp/.X$number-lock" ] || break
done
export DISPLAY=":$number"
"$ZEMBRA_E2E_BIN" --home "$cab" > "$work/run.log" 2>&1 &
pid=$!
sleep 1
Xvfb "$DISPLAY" -screen 0 800x600x24 -nolisten tcp 2> "$work/xvfb.log" &
server=$!
if ! wait_for_browser; then
    echo "FAIL: Zembra did not come up on a display that arrived late"
    cat "$work/run.log"
    exit 1
fi
xdo key Escape
wait_for_exit "$pid" || { echo "FAIL: Zembra did not end"; cat "$work/run.log"; exit 1; }
echo "late display end to end: ok"
