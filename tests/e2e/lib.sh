# SPDX-License-Identifier: GPL-3.0-or-later
# Helpers for the end-to-end tests: a fixture cabinet and waiting for the browser.

# make_cabinet DIR: a cabinet of one path with ten of twenty games present, a plain skin,
# keys on the arrows, Enter and Escape, and settings that open on path 1, first game.
make_cabinet() {
    local cab=$1
    mkdir -p "$cab/roms" "$cab/zbthemes/plain"
    : > "$cab/gamelist.lst"
    local i
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
    printf '600,4000,3400,2600\r\n#TRUE#\r\n3400,5800,1600,2100\r\n#TRUE#\r\n' > "$cab/zbthemes/plain/skin.ini"
    printf '3400,4000,1600,2100\r\n#TRUE#\r\n100,4000,3400,450\r\n#TRUE#\r\n' >> "$cab/zbthemes/plain/skin.ini"
    printf '900,200,3600,4500\r\n1\r\n"list"\r\n1000,750\r\n150,200\r\n#TRUE#\r\n' >> "$cab/zbthemes/plain/skin.ini"
    printf '5500,200\r\n#TRUE#\r\n100\r\n0\r\n5300,2400,300,1200\r\n#FALSE#\r\n' >> "$cab/zbthemes/plain/skin.ini"
    printf '"DejaVu Sans",11,3342336,16777215,255\r\n' > "$cab/zbthemes/plain/scheme.cfg"
    printf '"\\plain\\"\r\n120\r\n0\r\n0\r\n1\r\n#TRUE#\r\n0\r\n1\r\n0\r\n' > "$cab/quarn.cfg"
    printf '38,40,34,33,116,9,39,37,13,27,83,77,73\r\n' > "$cab/zbkeys.cfg"
}

# set_mame_dir CAB: points the cabinet's MameDir (where mameinfo.dat and history.dat are read)
# at CAB/mame/ and makes that folder.
set_mame_dir() {
    local cab=$1
    sed -i "s|^MameDir =\r\$|MameDir =$cab/mame/\r|" "$cab/quarn.ini"
    grep -q "^MameDir =$cab/mame/" "$cab/quarn.ini" || { echo "MameDir not set" >&2; return 1; }
    mkdir -p "$cab/mame"
}

# start_zembra LOG ARG...: starts $ZEMBRA_E2E_BIN with the arguments in the background, its
# output in LOG and its pid in zembra_pid. Xvfb now and then refuses a client that connects just
# as another one leaves ("could not connect to display"), which Qt cannot try again; so nothing
# else talks to the display while Zembra connects, and a refused start is made again.
start_zembra() {
    local log=$1 attempt waited
    shift
    for attempt in 1 2 3; do
        "$ZEMBRA_E2E_BIN" "$@" > "$log" 2>&1 &
        zembra_pid=$!
        for waited in $(seq 1 20); do
            kill -0 "$zembra_pid" 2> /dev/null || break
            sleep 0.1
        done
        if kill -0 "$zembra_pid" 2> /dev/null || ! grep -q "could not connect to display" "$log"; then
            return 0
        fi
        wait "$zembra_pid" || true
        echo "the X server refused Zembra's connection; starting it again" >&2
    done
    return 1
}

# wait_for_browser: waits until the browser window is shown and has the keyboard.
wait_for_browser() {
    local window focus tries
    for tries in $(seq 1 200); do
        window=$(xdotool search --onlyvisible --name '^Zembra$' 2>/dev/null | head -n 1 || true)
        focus=$(xdotool getwindowfocus 2>/dev/null || true)
        if [ -n "$window" ] && [ "$window" = "$focus" ]; then
            return 0
        fi
        sleep 0.1
    done
    echo "the browser window never took the keyboard" >&2
    return 1
}

# wait_for_exit PID: waits for the program to end by itself; prints its exit status.
wait_for_exit() {
    local pid=$1 tries
    for tries in $(seq 1 300); do
        if ! kill -0 "$pid" 2>/dev/null; then
            wait "$pid"
            return $?
        fi
        sleep 0.1
    done
    echo "the program did not end" >&2
    kill "$pid"
    return 124
}

# wait_for_line FILE LINE: waits until FILE holds the exact line LINE.
wait_for_line() {
    local file=$1 line=$2 tries
    for tries in $(seq 1 300); do
        if [ -f "$file" ] && grep -qxF -- "$line" "$file"; then
            return 0
        fi
        sleep 0.1
    done
    echo "\"$line\" never appeared in $file" >&2
    return 1
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
