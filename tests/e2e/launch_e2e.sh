#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starting games for real under a virtual display, with the stand-in emulator in place of the
# emulators: a configurable path waits for its emulator, the fixed Impact emulator is driven by
# injected keys and closed by the Exit key, and after each game the browser has the keyboard
# again. A game name full of shell syntax and blanks reaches the emulator as one plain argument,
# from an emulator folder whose name holds a blank. A second run opens a Visual Pinball table
# through an opener that, like a desktop's, hands the table on and returns: the table keeps the
# keyboard while it runs, and the browser has it again once the table has closed.
# Usage: launch_e2e.sh PATH_TO_ZEMBRA PATH_TO_STANDIN
set -euo pipefail
zembra=$1
standin=$2
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
e2e_begin "$zembra"

# Path 1 starts "my emu/mame.exe" with options, one of them quoted; Impact gets one game. Exit
# is on E, so that the exit watch has to inject Escape itself. The odd game comes first in the
# list.
odd='it'"'"'s;$(touch pwned)'
printf '%s,"Odd one"\r\nsfex,"Street Fighter EX"\r\nGenie,"Genie"\r\n' "$odd" |
    cat - "$cab/gamelist.lst" > "$work/list"
mv "$work/list" "$cab/gamelist.lst"
: > "$cab/roms/$odd.zip"
mkdir -p "$cab/my emu" "$cab/impact/roms" "$cab/vp/tables"
: > "$cab/impact/roms/sfex.zip"
: > "$cab/vp/tables/Genie.vpt"
ln -s "$standin" "$cab/my emu/mame.exe"
ln -s "$standin" "$cab/impact/impactemu.exe"
sed -i -e "s|^Exec=stand-in|Exe =mame.exe|" -e "0,/^Opts=/s|^Opts=.*|Opts=-skip_gameinfo -cfg \"my cfg\" -speed 2\r|" \
    -e "s|^EmuFolder=$cab/|EmuFolder=$cab/my emu/|" -e "s|^ImpactDir=|ImpactDir=$cab/impact/|" \
    -e "s|^VPinballDir=|VPinballDir=$cab/vp/|" \
    "$cab/quarn.ini"
printf '38,40,34,33,116,9,39,37,13,69,83,77,73\r\n' > "$cab/zbkeys.cfg"
"$zembra" --home "$cab" --rescan > /dev/null

# The table opener starts the player on its own and returns once the player's window is up.
cat > "$work/opener" << END
#!/bin/sh
ZEMBRA_STANDIN_RECORD="$work/table" "$standin" "\$@" &
for tries in \$(seq 1 200); do
    grep -qx focus "$work/table" 2> /dev/null && break
    sleep 0.05
done
echo done > "$work/opener-done"
END
chmod +x "$work/opener"

export ZEMBRA_STANDIN_RECORD=$work/record ZEMBRA_OPENER=$work/opener ZEMBRA_E2E_WORK=$work
on_display '
    # leave PID: presses the Exit key (E) once a second until the browser ends; it ignores keys
    # until the five seconds of the start-up lock are over.
    leave() {
        local tries
        for tries in $(seq 1 15); do
            kill -0 "$1" 2>/dev/null || break
            xdo key e
            sleep 1
        done
        wait_for_exit "$1"
    }
    record=$ZEMBRA_STANDIN_RECORD
    start_zembra "$ZEMBRA_E2E_CAB/run.log" --home "$ZEMBRA_E2E_CAB"
    pid=$zembra_pid
    echo "waiting for the browser after the first start" >&2
    wait_for_browser

    # The first game on path 1: the browser waits while the emulator runs.
    xdo key Return
    wait_for_line "$record" focus
    [ "$(xdo getwindowfocus getwindowname)" = "Zembra stand-in emulator" ]
    xdo key Escape
    wait_for_line "$record" "end escape"
    echo "waiting for the browser after the game on path 1" >&2
    wait_for_browser
    echo "--- impact" >> "$record"

    # Impact: next path, select (the key-up that moves comes before the Return, in order);
    # the keys arrive by themselves, the Exit key closes it.
    xdo key Right Return
    wait_for_line "$record" "up Enter"
    xdo keydown e
    wait_for_line "$record" "end escape"
    xdo keyup e
    echo "waiting for the browser after Impact" >&2
    wait_for_browser

    leave "$pid"

    # The second run starts on Impact'"'"'s path, saved at the exit; the next path is the table.
    start_zembra "$ZEMBRA_E2E_CAB/run2.log" --home "$ZEMBRA_E2E_CAB"
    pid=$zembra_pid
    echo "waiting for the browser after the second start" >&2
    wait_for_browser
    xdo key Right Return
    wait_for_line "$ZEMBRA_E2E_WORK/opener-done" done
    # The opener has ended with the table in front; ten ticks of the end watch later the
    # table still has the keyboard.
    sleep 1
    [ "$(xdo getwindowfocus getwindowname)" = "Zembra stand-in emulator" ] ||
        { echo "the table lost the keyboard when its opener ended" >&2; exit 1; }
    xdo keydown e
    wait_for_line "$ZEMBRA_E2E_WORK/table" "end escape"
    xdo keyup e
    echo "waiting for the browser after the table" >&2
    wait_for_browser
    leave "$pid"
' || {
    echo "FAIL: the run did not end cleanly"
    cat "$cab/run.log" "$cab/run2.log" "$work/record" "$work/table" 2> /dev/null
    exit 1
}

first=$(sed -n '1,/^--- impact$/p' "$work/record")
same "the configurable path's start" "program $cab/my emu/mame.exe
arg it's;\$(touch pwned)
arg -skip_gameinfo
arg -cfg
arg my cfg
arg -speed
arg 2
folder $cab/my emu
focus
down Escape
end escape" "$(grep -v '^up ' <<< "$first" | sed '/^--- impact$/d')"

impact=$(sed -n '/^--- impact$/,$p' "$work/record" | sed 1d)
same "Impact's start" "program $cab/impact/impactemu.exe
folder $cab/impact" "$(sed -n 1,2p <<< "$impact")"
same "the keys Impact is given, then the Exit key and the Escape it brings" \
    "$(printf 'down Down\nup Down\n%.0s' 1 2 3 4)
down Enter
up Enter
down E
down Escape
end escape" "$(grep -E '^(down|up|end) ' <<< "$impact")"

same "the table's start" "program $standin
arg $cab/vp/tables/Genie.vpt
folder $cab/vp/tables" "$(sed -n 1,3p "$work/table")"

if find "$work" -name pwned | grep -q .; then fail "a shell ran the game name"; fi
e2e_end "launch end to end"
