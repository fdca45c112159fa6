#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real editor under a virtual display: it opens a copy of a demo skin given on its command
# line, the marquee is moved from the keyboard in the numeric editor, Ctrl+S saves, and
# skin.ini then differs from the demo's in that one value only (the command line's other forms
# are CommandLineTest's). Usage: tessel_e2e.sh PATH_TO_TESSEL DEMO_SKIN_FOLDER
set -euo pipefail
tessel=$1
demo=$2
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cp -r "$demo" "$work/skin"
export TESSEL_E2E_BIN=$tessel TESSEL_E2E_SKIN=$work/skin TESSEL_E2E_LIB=$here/../e2e/lib.sh
bash "$here/../support/with-display.sh" --size 1280x800 bash -c '
    set -euo pipefail
    source "$TESSEL_E2E_LIB" # start_client, xdo, wait_until and has_keyboard
    # wait_for_focus NAME: waits until the window called NAME is shown and has the keyboard,
    # giving it the keyboard when nothing else does (there is no window manager here).
    give_focus() {
        has_keyboard "$1" && return 0
        xdotool search --onlyvisible --name "^$1\$" windowfocus 2> /dev/null || true
        return 1
    }
    wait_for_focus() {
        wait_until 200 give_focus "$1" || { echo "the window \"$1\" never took the keyboard" >&2; return 1; }
    }
    start_client "$TESSEL_E2E_SKIN/run.log" "$TESSEL_E2E_BIN" "$TESSEL_E2E_SKIN"
    pid=$client_pid
    wait_for_focus "ZB Tessel 3.0"
    xdo key alt+a
    wait_for_focus "Advanced Edit"
    xdo key ctrl+a
    xdo type --delay 60 1234
    xdo key ctrl+s
    saved() { sed -n 7p "$TESSEL_E2E_SKIN/skin.ini" | grep -q "^1234,"; }
    wait_until 100 saved || true # the file is compared below
    wait_for_focus "ZB Tessel 3.0"
    # The File menu opens as a window of its own: E is pressed once it is shown.
    windows() { xdotool search --onlyvisible --pid "$pid" 2> /dev/null | wc -l; }
    shown=$(windows)
    xdo key alt+f
    wait_until 100 eval "[ \$(windows) -gt $shown ]" || true
    xdo key e
    if ! wait_until 300 eval "! kill -0 $pid 2> /dev/null"; then
        # What is on the screen says which step went astray.
        echo "the editor did not end on File, Exit; its windows shown:" >&2
        for window in $(xdotool search --onlyvisible --pid "$pid" 2> /dev/null); do
            echo "  \"$(xdotool getwindowname "$window" 2> /dev/null)\"" >&2
        done
        echo "  keyboard: \"$(xdotool getwindowfocus getwindowname 2> /dev/null)\"" >&2
        kill "$pid"
        exit 1
    fi
    wait "$pid"
' || { echo "FAIL: the run did not end cleanly"; cat "$work/skin/run.log"; exit 1; }

expected=$(tr -d '\r' < "$demo/skin.ini" | sed '7s/^[^,]*,/1234,/')
actual=$(tr -d '\r' < "$work/skin/skin.ini")
if [ "$actual" != "$expected" ]; then
    echo "FAIL: skin.ini is not the demo's with the marquee moved:"
    diff <(echo "$expected") <(echo "$actual") || true
    exit 1
fi
echo "tessel end to end: ok"
