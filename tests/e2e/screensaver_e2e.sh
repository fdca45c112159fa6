#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The attract mode of the real program under a virtual display: on a cabinet with a short idle
# delay the screensaver opens by itself, Page Down skips to the next song, Down lowers the
# volume, a key that is not a music key brings the browser back, and Exit saves the new song
# number and volume in quarn.cfg. Usage: screensaver_e2e.sh PATH_TO_ZEMBRA
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
source "$here/lib.sh"
e2e_begin "$1"
# A delay of three seconds, song 1 of the playlist, full volume, sound effects off.
printf '"\\plain\\"\r\n3\r\n0\r\n0\r\n1\r\n#TRUE#\r\n0\r\n1\r\n0\r\n' > "$cab/quarn.cfg"
mkdir -p "$cab/music"
cp "$here/../../demo/cabinet/music/"* "$cab/music/"
printf '#EXTM3U\r\nmusic\\insert-coin-waltz.mp3\r\nmusic\\high-score-sunset.mp3\r\nmusic\\cabinet-hum.ogg\r\n' \
    > "$cab/default.m3u"

on_display '
    start_zembra "$ZEMBRA_E2E_CAB/run.log" --home "$ZEMBRA_E2E_CAB"
    pid=$zembra_pid
    # The browser may be up for only three seconds: the screensaver is what is waited for.
    wait_for_window "Zembra attract mode" 400
    xdo key --delay 150 Next Down
    xdo key m
    wait_for_browser
    # On a slow machine the screensaver may be back before Escape arrives; Escape then closes
    # it, and the next one leaves.
    for tries in $(seq 1 10); do
        kill -0 "$pid" 2>/dev/null || break
        xdo key Escape
        sleep 1
    done
    wait_for_exit "$pid"
' || { echo "FAIL: the run did not end cleanly"; cat "$cab/run.log"; exit 1; }

settings=$(tr -d '\r' < "$cab/quarn.cfg")
volume=$(sed -n 4p <<< "$settings")
song=$(sed -n 5p <<< "$settings")
muted=$(sed -n 6p <<< "$settings")
same "the saved song" 2 "$song"
same "the saved volume" -20 "$volume"
same "the sound effects (the closing key must not change them)" "#TRUE#" "$muted"
e2e_end "screensaver end to end"
