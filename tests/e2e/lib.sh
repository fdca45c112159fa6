# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for the end-to-end tests: the fixture cabinet, starting Zembra and waiting on conditions.

# make_cabinet DIR: the fixture cabinet of tests/support/cabinet (the plain skin, keys on the
# arrows, Enter and Escape, settings that open on path 1, first game) with one path of ten of
# twenty games present.
make_cabinet() {
    local cab=$1 i
    mkdir -p "$cab/roms"
    cp -r "$(dirname "${BASH_SOURCE[0]}")/../support/cabinet/." "$cab/"
    : > "$cab/gamelist.lst"
    for i in $(seq -w 1 20); do
        printf 'game%s,"Game number %s"\r\n' "$i" "$i" >> "$cab/gamelist.lst"
        if [ $((10#$i % 2)) -eq 1 ]; then : > "$cab/roms/game$i.zip"; fi
    done
    {
        printf 'Path=%s/roms/\r\nExec=stand-in\r\nFullName =NO\r\nCaption =Fixture\r\n' "$cab"
        printf 'Opts=\r\nLogo  =\r\nEmuFolder=%s/\r\nArtworkPath=%s/art/\r\n' "$cab" "$cab"
        for i in $(seq 2 20); do
            printf 'Path=\r\nExec=\r\nFullName =\r\nCaption =\r\nOpts=\r\nLogo  =\r\nEmuFolder=\r\nArtworkPath=\r\n'
        done
        printf 'MameDir =\r\nImpactDir=\r\nImpactNT=\r\nModelerDir=\r\nKI Dir=\r\nKI2Dir =\r\n'
        printf 'VPinballDir=\r\nS11Dir=\r\nNO\r\nS11Arg=\r\nDaphDir=\r\nDaphArg=\r\n'
        printf 'ScrollRate(ms)=0\r\nReserved      =0\r\nTV Output  =NO\r\n'
        printf 'RunW=0\r\nRunH=0\r\nExHz=0\r\nExBp=0\r\nRuHz=0\r\nRuBp=0\r\nPowerOffOnExit=NO\r\n'
    } > "$cab/quarn.ini"
}

# e2e_begin ZEMBRA: what every run starts with: a work folder removed at the end, the fixture
# cabinet in $cab, and the program, the cabinet and this file named for on_display.
e2e_begin() {
    export ZEMBRA_E2E_BIN=$1 ZEMBRA_E2E_LIB=${BASH_SOURCE[0]}
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    cab=$work/cab
    export ZEMBRA_E2E_CAB=$cab
    make_cabinet "$cab"
}

# on_display SCRIPT: runs the bash SCRIPT, with these helpers, on an 800x600 virtual display.
on_display() {
    bash "$(dirname "${BASH_SOURCE[0]}")/../support/with-display.sh" --size 800x600 \
        bash -c "set -euo pipefail; source \"\$ZEMBRA_E2E_LIB\"; $1"
}

# fail TEXT: says a check failed; the other checks still run, and e2e_end then fails the run.
fail() {
    echo "FAIL: $*"
    failed=1
}

# same WHAT EXPECTED ACTUAL: fails, showing both, unless ACTUAL is EXPECTED.
same() {
    [ "$2" = "$3" ] || fail "$(printf '%s\n--- expected\n%s\n--- got\n%s' "$1" "$2" "$3")"
}

# e2e_end NAME: ends the run, with "NAME: ok" when no check failed.
e2e_end() {
    [ -z "${failed:-}" ] || exit 1
    echo "$1: ok"
}

# start_client LOG PROGRAM ARG...: starts PROGRAM with the arguments in the background, its
# output in LOG and its pid in client_pid. Xvfb now and then refuses a client that connects just
# as another one leaves ("could not connect to display"), which Qt cannot try again; so nothing
# else talks to the display while the program connects, and a refused start is made again.
start_client() {
    local log=$1 program=$2 attempt
    shift 2
    for attempt in 1 2 3; do
        "$program" "$@" > "$log" 2>&1 &
        client_pid=$!
        # A refused connection ends the program within two seconds.
        wait_until 20 eval "! kill -0 $client_pid 2> /dev/null" || true
        if kill -0 "$client_pid" 2> /dev/null || ! grep -q "could not connect to display" "$log"; then
            return 0
        fi
        wait "$client_pid" || true
        echo "the X server refused the connection of $program; starting it again" >&2
    done
    return 1
}

# start_zembra LOG ARG...: start_client for $ZEMBRA_E2E_BIN, its pid in zembra_pid.
start_zembra() {
    start_client "$1" "$ZEMBRA_E2E_BIN" "${@:2}" || return 1
    zembra_pid=$client_pid
}

# wait_until TRIES COMMAND...: runs COMMAND every tenth of a second until it succeeds, at most
# TRIES times; fails when it never does. Every wait of the end-to-end runs is one of these.
wait_until() {
    local tries=$1
    shift
    until "$@"; do
        tries=$((tries - 1))
        [ "$tries" -gt 0 ] || return 1
        sleep 0.1
    done
}

# has_keyboard TITLE: whether a window of that title is shown and has the keyboard.
has_keyboard() {
    local window
    window=$(xdotool search --onlyvisible --name "^$1\$" 2> /dev/null | head -n 1 || true)
    [ -n "$window" ] && [ "$window" = "$(xdotool getwindowfocus 2> /dev/null || true)" ]
}

# wait_for_window TITLE [TRIES]: waits until a window of that title is shown and has the keyboard.
wait_for_window() {
    wait_until "${2:-200}" has_keyboard "$1" || { echo "the window \"$1\" never took the keyboard" >&2; return 1; }
}

# wait_for_browser: waits until the browser window is shown and has the keyboard.
wait_for_browser() {
    wait_for_window Zembra
}

# wait_for_exit PID: waits for the program to end by itself; returns its exit status.
wait_for_exit() {
    if ! wait_until 300 eval "! kill -0 $1 2> /dev/null"; then
        echo "the program did not end" >&2
        kill "$1"
        return 124
    fi
    wait "$1"
}

# wait_for_line FILE LINE: waits until FILE holds the exact line LINE.
wait_for_line() {
    wait_until 300 grep -qxF -- "$2" "$1" 2> /dev/null || { echo "\"$2\" never appeared in $1" >&2; return 1; }
}

# xdo ARG...: xdotool, tried again when the X server refuses its connection for a moment (Xvfb
# does so now and then to a client that connects just as another one leaves). Nothing was sent
# then, so trying again sends each key once.
xdo() {
    local attempt output status err
    err=$(mktemp)
    for attempt in 1 2 3 4 5; do
        status=0
        output=$(xdotool "$@" 2> "$err") || status=$?
        if [ $status -eq 0 ] || ! grep -q "Can't open display" "$err"; then
            break
        fi
        sleep 0.2
    done
    cat "$err" >&2
    rm -f "$err"
    [ -z "$output" ] || printf '%s\n' "$output"
    return $status
}
