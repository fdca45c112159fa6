#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A cabinet set to power off at exit, on a machine that refuses: the message stays in front with
# the keyboard until it is dismissed (no browser comes up over it), then Zembra ends with status
# 1. Power control goes to a pretend logind on a private bus of the test's own, never to the
# machine's. Usage: poweroff_e2e.sh PATH_TO_ZEMBRA PATH_TO_PRETEND_LOGIND
# With ZEMBRA_E2E_SCREENSHOT=FILE the screen with the message is saved there.
set -euo pipefail
zembra=$1
logind=$2
source "$(dirname "${BASH_SOURCE[0]}")/lib.sh"
if ! command -v dbus-daemon > /dev/null; then
    echo "SKIP: dbus-daemon (Debian package dbus-daemon) is missing"
    exit 77
fi
e2e_begin "$zembra"
sed -i 's/^PowerOffOnExit=NO/PowerOffOnExit=YES/' "$cab/quarn.ini"
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do
        kill "$pid" 2> /dev/null || true
        wait "$pid" 2> /dev/null || true
    done
    rm -rf "$work"
}
trap cleanup EXIT

# The private bus: a socket in the work folder, an open policy, nothing started on demand.
mkdir "$work/bus"
printf '<busconfig><type>session</type><listen>unix:dir=%s</listen><auth>EXTERNAL</auth>%s</busconfig>' \
    "$work/bus" '<policy context="default"><allow send_destination="*"/><allow receive_sender="*"/><allow own="*"/></policy>' \
    > "$work/bus.conf"
dbus-daemon --config-file="$work/bus.conf" --nofork --print-address=3 3> "$work/address" \
    2> "$work/bus.log" &
pids+=($!)
wait_until 100 test -s "$work/address" || { echo "FAIL: the private bus did not start"; exit 1; }
address=$(head -n 1 "$work/address")
record=$work/logind
"$logind" "$address" "$record" &
pids+=($!)
wait_for_line "$record" ready

# Make sure the system bus of this test is the private one before Zembra may ask to power off.
DBUS_SYSTEM_BUS_ADDRESS=$address dbus-send --system --print-reply \
    --dest=org.freedesktop.login1 /org/freedesktop/login1 \
    org.freedesktop.login1.Manager.CanPowerOff > /dev/null
wait_for_line "$record" CanPowerOff
: > "$record"

export DBUS_SYSTEM_BUS_ADDRESS=$address
export ZEMBRA_LOGIND_RECORD=$record ZEMBRA_E2E_SCREENSHOT=${ZEMBRA_E2E_SCREENSHOT:-}
on_display '
    # Whether the message has the keyboard and is the topmost window shown (xwininfo lists
    # the top-level windows from the top down); the message is smaller than the screen.
    message_in_front() {
        local focus width top
        focus=$(xdo getwindowfocus 2> /dev/null) || return 1
        [ "$(xdo getwindowname "$focus" 2> /dev/null)" = Zembra ] || return 1
        eval "$(xdo getwindowgeometry --shell "$focus")"
        [ "$WIDTH" -lt 800 ] || return 1
        top=$(xwininfo -root -children | grep -oE "^ +0x[0-9a-f]+" | tr -d " " | while read -r id; do
            xwininfo -id "$id" | grep -q "IsViewable" && echo "$id"
        done | sed -n 1p)
        [ $((top)) -eq $((focus)) ]
    }
    start_zembra "$ZEMBRA_E2E_CAB/run.log" --home "$ZEMBRA_E2E_CAB"
    pid=$zembra_pid
    wait_for_browser
    xdo key Escape
    wait_for_line "$ZEMBRA_LOGIND_RECORD" PowerOff
    wait_until 100 message_in_front || { echo "the message never came to the front" >&2; exit 1; }
    # Nothing may come up over it: checked after longer than the intro window'"'"'s two-second
    # hand-over, which used to bring a fresh browser up over the message. A few tries, for a
    # connection the X server refuses now and then; a window over the message would stay there.
    sleep 3
    wait_until 5 message_in_front || { echo "something came up over the message" >&2; exit 1; }
    kill -0 "$pid" || { echo "Zembra ended before the message was dismissed" >&2; exit 1; }
    if [ -n "$ZEMBRA_E2E_SCREENSHOT" ]; then
        import -window root "$ZEMBRA_E2E_SCREENSHOT"
    fi
    xdo key Return
    status=0
    wait_for_exit "$pid" || status=$?
    [ $status -eq 1 ] || { echo "Zembra ended with status $status, not 1" >&2; exit 1; }
' || { echo "FAIL: the refused power-off"; cat "$cab/run.log"; exit 1; }

# Asked whether it may, then once to power off; nothing else.
same "what logind was asked" PowerOff "$(grep -vx CanPowerOff "$record")"
grep -q "ShutdownSystem failed: Permission denied by the pretend logind" "$cab/run.log" ||
    fail "the reason is not on standard error: $(cat "$cab/run.log")"
e2e_end "refused power-off end to end"
