#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The demo's artwork generator gives every picture to the games a list opens with: the first in
# catalogue order (the order of the list files), not in the order of the ROM manifest, and
# whatever --every leaves out. Usage: first_games_art.sh PATH_TO_zembra_demo_art
set -euo pipefail
art=$1
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
status=0

# The catalogue's order is g01 ... g12; the manifest names them backwards, with one name the
# catalogue does not know and one entry in a sub-folder.
for i in 01 02 03 04 05 06 07 08 09 10 11 12; do
    printf 'g%s,"Game %s (Maker 1990)"\r\n' "$i" "$i" >> "$work/gamelist.lst"
done
for i in 12 11 10 09 08 07 06 05 04 03 02 01; do
    printf 'g%s.zip\n' "$i" >> "$work/names.txt"
done
printf 'unknown.zip\nsub/g05.zip\n' >> "$work/names.txt"

QT_QPA_PLATFORM=offscreen "$art" --every 100 --first 4 "$work/gamelist.lst" "$work/art/" \
    "$work/names.txt" > /dev/null

for game in g01 g02 g03 g04; do
    for kind in marquees snap flyers cabinets; do
        [ -s "$work/art/$kind/$game.png" ] || { echo "FAIL: no $kind/$game.png"; status=1; }
    done
done
# --every 100 draws the manifest's first known name only: g12, with the kinds its name gives.
for game in g05 g06 g07 g08 g09 g10 g11 unknown; do
    if compgen -G "$work/art/*/$game.png" > /dev/null; then
        echo "FAIL: $game got pictures"
        status=1
    fi
done
compgen -G "$work/art/*/g12.png" > /dev/null || { echo "FAIL: --every drew nothing"; status=1; }

[ $status -eq 0 ] && echo "first games' artwork: ok"
exit $status
