#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The settings menu with the real program under a virtual display, driven by real key presses:
# the skin screen rebuilds the browser in the other demo skin, and thirteen new keys leave a
# complete key file and act at once (the new Exit key closes the menu and then ends the
# program). The other screens are the window tests'. Usage: menus_e2e.sh PATH_TO_ZEMBRA
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"
e2e_begin "$1"
# The two demo skins instead of the plain one. Down on the skin screen shows the first folder
# the listing gives, so the run starts in the other one.
rm -rf "$cab/zbthemes/plain"
cp -r "$here/../../demo/cabinet/zbthemes/neon" "$here/../../demo/cabinet/zbthemes/filmstrip" \
    "$cab/zbthemes/"
first=$(ls -U1 "$cab/zbthemes" | head -n 1)
start=$(ls -U1 "$cab/zbthemes" | grep -vx "$first")
sed -i "1s/.*/\"\\\\$start\\\\\"\r/" "$cab/quarn.cfg"

on_display '
    cfg=$ZEMBRA_E2E_CAB/quarn.cfg
    # wait_for_focus TITLE [OLD]: waits until a window of that title other than OLD has the
    # keyboard, and keeps it for three polls in a row (a window of the menu is unmapped for a
    # moment when it takes the picture behind it); its id goes to $focused. The menu and its
    # screens share the title "Menu", so a screen is told from the menu by OLD.
    wait_for_focus() {
        local tries window focus steady=0
        for tries in $(seq 1 150); do
            focus=$(xdotool getwindowfocus 2> /dev/null || true)
            if [ "$focus" != "${2:-}" ] && [ "$focus" = "${focused:-}" ] &&
                xdotool search --onlyvisible --name "^$1\$" 2> /dev/null | grep -qx "$focus"; then
                steady=$((steady + 1))
                [ $steady -ge 3 ] && return 0
            else
                steady=0
            fi
            focused=$focus
            sleep 0.1
        done
        echo "the $1 window never took the keyboard" >&2
        return 1
    }
    start_zembra "$ZEMBRA_E2E_CAB/run.log" --home "$ZEMBRA_E2E_CAB"
    pid=$zembra_pid
    wait_for_browser
    browser=$(xdotool getwindowfocus)

    # Skins: Config, down to the fourth entry, Select, Down, Select.
    xdo key Tab
    wait_for_focus Menu
    xdo key --delay 80 Down Down Down Return
    wait_for_focus Menu "$focused" # the skin screen, over the menu
    xdo key --delay 80 Down Return
    wait_for_line "$cfg" "\"\\$(ls -U1 "$ZEMBRA_E2E_CAB/zbthemes" | head -n 1)\\\"$(printf "\r")"
    # The browser went down after the Select; a new one (another window) takes the keyboard.
    wait_until 300 eval "has_keyboard Zembra && [ \$(xdotool getwindowfocus) != $browser ]" ||
        { echo "the browser never came back" >&2; exit 1; }

    # Keys: Config, the second entry, thirteen new keys.
    xdo key Tab
    wait_for_focus Menu
    xdo key --delay 80 Down Return
    wait_for_focus Keys
    xdo key --delay 80 q w e r t y u i o p a s d
    wait_for_line "$ZEMBRA_E2E_CAB/zbkeys.cfg" "$(printf "81,87,69,82,84,89,85,73,79,80,65,83,68\r")"
    # The menu is still open and has the keyboard back: the new Exit key closes it, and then
    # ends the program; the old one (Escape) does nothing now.
    wait_for_focus Menu
    xdo key p
    wait_for_browser
    xdo key Escape p
    wait_for_exit "$pid"
' || { echo "FAIL: the run did not end cleanly"; cat "$cab/run.log"; exit 1; }

skin=$(sed -n 1p "$cab/quarn.cfg" | tr -d '\r')
[ "$skin" = "\"\\$first\\\"" ] || { echo "FAIL: skin is $skin"; exit 1; }
echo "menus end to end: ok ($start to $first)"
