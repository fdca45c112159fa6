#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real information window under a virtual display: the Info key shows the selected game's
# entry of mameinfo.dat, a page key switches to history.dat, any other key closes the window and
# gives the browser the keyboard back, and Exit then ends the program. What the window shows is
# read from the program's trace. Usage: info_e2e.sh PATH_TO_ZEMBRA
set -euo pipefail
zembra=$1
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin "$zembra"
# mameinfo.dat and history.dat are read from MameDir.
sed -i "s|^MameDir =\r\$|MameDir =$cab/mame/\r|" "$cab/quarn.ini"
mkdir -p "$cab/mame"
# The first game of the list (game01) has an entry in both files, under a second name in one.
printf '# notes\r\n$info=game03\r\n$mame\r\nNot this one\r\n$end\r\n' > "$cab/mame/mameinfo.dat"
printf '$info=game01\r\n$mame\r\nCPU: imaginary, 8 MHz\r\n$end\r\n' >> "$cab/mame/mameinfo.dat"
printf '$info=game99,game01,\r\n$bio\r\nA story without an end line\r\n' > "$cab/mame/history.dat"

# The lists are there before the start, as on a set-up cabinet: a first-run scan would hold the
# Info key back until it ends.
"$zembra" --home "$cab" --rescan > "$work/rescan.log" 2>&1 || { cat "$work/rescan.log"; exit 1; }

export ZEMBRA_TRACE=$cab/trace
on_display '
    trace=$ZEMBRA_TRACE

    texts() { grep -c "^info-text " "$trace" 2> /dev/null || true; }
    # show_by KEY TRIES: presses KEY and waits (5 s) for the window to show a text, at most
    # TRIES times (the window ignores keys just after it opened, but once open any other key
    # closes it, the Info key too). Prints the text line.
    show_by() {
        local before attempt
        before=$(texts)
        for attempt in $(seq 1 "$2"); do
            xdo key "$1"
            if wait_until 50 eval "[ \$(texts) -gt $before ]"; then
                grep "^info-text " "$trace" | tail -n 1
                return 0
            fi
        done
        echo "pressing $1 showed no text" >&2
        return 1
    }
    info_gone() { ! xdotool search --onlyvisible --name "^Info\$" > /dev/null 2>&1; }

    start_zembra "$ZEMBRA_E2E_CAB/run.log" --home "$ZEMBRA_E2E_CAB"
    pid=$zembra_pid
    wait_for_browser
    # Pressed at once: the intro, which hands the keyboard to the browser two seconds after
    # the start, must leave it with the information window.
    [[ $(show_by i 1) == *" info found" ]] || { echo "no entry in mameinfo.dat shown" >&2; exit 1; }
    wait_for_window Info 50
    [[ $(show_by Next 3) == *" history found" ]] || { echo "no entry in history.dat shown" >&2; exit 1; }
    # Space, pressed again every half second (the first may come while keys are ignored).
    for tries in $(seq 1 20); do
        xdo key space
        if wait_until 5 info_gone; then break; fi
    done
    info_gone || { echo "space never closed the information window" >&2; exit 1; }
    wait_for_browser
    xdo key Escape
    wait_for_exit "$pid"
' || { echo "FAIL: the run did not end cleanly"; cat "$cab/run.log"; cat "$cab/trace" 2>/dev/null; exit 1; }

lines=$(grep -c "^info-text " "$cab/trace" || true)
[ "$lines" -eq 2 ] || { echo "FAIL: $lines texts shown, not 2"; cat "$cab/trace"; exit 1; }
echo "information window end to end: ok"
