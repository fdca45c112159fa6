#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The real information window under a virtual display: the Info key shows the selected game's
# entry of mameinfo.dat, a page key switches to history.dat, any other key closes the window and
# gives the browser the keyboard back, and Exit then ends the program. What the window shows is
# read from the program's trace. Usage: info_e2e.sh PATH_TO_ZEMBRA
set -euo pipefail
zembra=$1
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
source "$here/lib.sh"
cab=$work/cab
make_cabinet "$cab"
set_mame_dir "$cab"
# The first game of the list (game01) has an entry in both files, under a second name in one.
printf '# notes\r\n$info=game03\r\n$mame\r\nNot this one\r\n$end\r\n' > "$cab/mame/mameinfo.dat"
printf '$info=game01\r\n$mame\r\nCPU: imaginary, 8 MHz\r\n$end\r\n' >> "$cab/mame/mameinfo.dat"
printf '$info=game99,game01,\r\n$bio\r\nA story without an end line\r\n' > "$cab/mame/history.dat"

# The lists are there before the start, as on a set-up cabinet: a first-run scan would hold the
# Info key back until it ends.
"$zembra" --home "$cab" --rescan > "$work/rescan.log" 2>&1 || { cat "$work/rescan.log"; exit 1; }

export ZEMBRA_E2E_BIN=$zembra ZEMBRA_E2E_CAB=$cab ZEMBRA_E2E_LIB=$here/lib.sh
export ZEMBRA_TRACE=$cab/trace
bash "$here/../support/with-display.sh" --size 800x600 bash -c '
    set -euo pipefail
    source "$ZEMBRA_E2E_LIB"
    trace=$ZEMBRA_TRACE

    # press_until KEY TEST: presses KEY, then again every half second, until TEST succeeds;
    # about 10 s at most.
    press_until() {
        local key=$1 test=$2 tries
        for tries in $(seq 1 100); do
            if [ $((tries % 5)) -eq 1 ]; then xdo key "$key"; fi
            if eval "$test"; then return 0; fi
            sleep 0.1
        done
        echo "pressing $key never led to: $test" >&2
        return 1
    }
    # show_by KEY TRIES: presses KEY and waits (5 s) for the window to show a text, at most
    # TRIES times (the window ignores keys just after it opened, but once open any other key
    # closes it, the Info key too). Prints the text line.
    show_by() {
        local key=$1 attempts=$2 before attempt tries
        before=$(grep -c "^info-text " "$trace" 2> /dev/null || true)
        for attempt in $(seq 1 "$attempts"); do
            xdo key "$key"
            for tries in $(seq 1 50); do
                if [ "$(grep -c "^info-text " "$trace" 2> /dev/null || true)" -gt "$before" ]; then
                    grep "^info-text " "$trace" | tail -n 1
                    return 0
                fi
                sleep 0.1
            done
        done
        echo "pressing $key showed no text" >&2
        return 1
    }
    info_shown() { xdotool search --onlyvisible --name "^Info\$" > /dev/null 2>&1; }
    info_focused() {
        info_shown && [ "$(xdotool getwindowfocus getwindowname 2> /dev/null)" = Info ]
    }

    start_zembra "$ZEMBRA_E2E_CAB/run.log" --home "$ZEMBRA_E2E_CAB"
    pid=$zembra_pid
    wait_for_browser
    # Pressed at once: the intro, which hands the keyboard to the browser two seconds after
    # the start, must leave it with the information window.
    [[ $(show_by i 1) == *" info found" ]] || { echo "no entry in mameinfo.dat shown" >&2; exit 1; }
    wait_until 50 info_focused || { echo "the information window never took the keyboard" >&2; exit 1; }
    [[ $(show_by Next 3) == *" history found" ]] || { echo "no entry in history.dat shown" >&2; exit 1; }
    press_until space "! info_shown"
    wait_for_browser
    xdo key Escape
    wait_for_exit "$pid"
' || { echo "FAIL: the run did not end cleanly"; cat "$cab/run.log"; cat "$cab/trace" 2>/dev/null; exit 1; }

lines=$(grep -c "^info-text " "$cab/trace" || true)
[ "$lines" -eq 2 ] || { echo "FAIL: $lines texts shown, not 2"; cat "$cab/trace"; exit 1; }
echo "information window end to end: ok"
