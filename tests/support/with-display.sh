#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a virtual X display of its own and takes the display down afterwards.
# Each run takes a display number at random from a wide range: a number used just before can
# still be held by the previous server's last children for a moment, and a client of the new
# server would then be refused (xvfb-run -a and Xvfb -displayfd both hand out the lowest free
# number again at once). Usage: with-display.sh [--size WxH] COMMAND [ARG...]
set -euo pipefail
size=1024x768
if [ "${1:-}" = --size ]; then
    size=$2
    shift 2
fi
dir=$(mktemp -d)
server=""
cleanup() {
    if [ -n "$server" ]; then
        kill "$server" 2> /dev/null || true
        wait "$server" 2> /dev/null || true
    fi
    rm -rf "$dir"
}
trap cleanup EXIT

# Starts Xvfb on display $1 and waits until it accepts clients; fails when the number is taken.
start_server() {
    : > "$dir/display"
    Xvfb ":$1" -displayfd 3 -screen 0 "${size}x24" -nolisten tcp 3> "$dir/display" 2> "$dir/log" &
    server=$!
    local tries
    for tries in $(seq 1 200); do
        [ -s "$dir/display" ] && return 0
        if ! kill -0 "$server" 2> /dev/null; then
            wait "$server" 2> /dev/null || true
            server=""
            return 1
        fi
        sleep 0.05
    done
    return 1
}

for attempt in $(seq 1 20); do
    number=$((RANDOM % 900 + 100))
    [ -e "/tmp/.X$number-lock" ] && continue
    start_server "$number" && break
done
if [ -z "$server" ] || [ ! -s "$dir/display" ]; then
    echo "with-display: no virtual display could be started" >&2
    cat "$dir/log" >&2
    exit 1
fi
export DISPLAY=":$(head -n 1 "$dir/display")"
# A virtual display has no session bus. Qt's accessibility bridge asks for one when a window is
# first shown, and libdbus then forks to start a bus of its own; under the sanitizers a fork
# while other threads allocate can leave that child hung and the program waiting on it for
# ever, its window never shown. An address that fails at once keeps libdbus from forking.
export DBUS_SESSION_BUS_ADDRESS=${DBUS_SESSION_BUS_ADDRESS:-unix:path=/nonexistent/session-bus}
status=0
"$@" || status=$?
if [ $status -ne 0 ] && [ -s "$dir/log" ]; then
    echo "with-display: the X server on $DISPLAY said:" >&2
    cat "$dir/log" >&2
fi
exit $status
