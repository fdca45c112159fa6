#!/usr/bin/env bash
# Writes the ROM manifests of the three MAME-style paths of the demo cabinet from the catalogue
# demo/cabinet/gamelist.lst. Run it again whenever the catalogue changes; the other manifests
# (impact, modeler, ki, ki2, vpinball, s11, daphne) are written by hand.
#
#   mame.txt      every third set of the catalogue: the 1st, 4th, 7th ... record
#   neogeo.txt    the catalogue's Neo-Geo block: from nam1975 to vliner, both included
#   classics.txt  the golden-age games listed below, each checked against the catalogue
#
# Each manifest ends with a few names the scan must ignore (wrong extension, not in the
# catalogue, inside a sub-folder); scripts/make-demo-cabinet.sh turns a name ending in "/" into
# a folder.
set -euo pipefail

here="$(cd -- "$(dirname -- "${BASH_SOURCE[0]}")" && pwd -P)"
catalogue="$here/../cabinet/gamelist.lst"

die() {
    printf 'make-manifests: %s\n' "$*" >&2
    exit 1
}

[[ -f $catalogue ]] || die "no catalogue at $catalogue"

# The set names in catalogue order (the first item of each record, CR dropped).
mapfile -t sets < <(awk -F, '{ sub(/\r$/, "") } NF >= 2 && $1 != "" { print $1 }' "$catalogue")
((${#sets[@]} > 0)) || die "the catalogue $catalogue holds no records"

in_catalogue() {
    local name
    for name in "${sets[@]}"; do
        [[ $name == "$1" ]] && return 0
    done
    return 1
}

write() { # manifest lines...
    local file="$here/$1"
    shift
    printf '%s\n' "$@" >"$file.tmp"
    mv -f -- "$file.tmp" "$file"
    printf '%s: %d lines\n' "$file" "$#"
}

# mame: every third record.
mame=()
for ((i = 0; i < ${#sets[@]}; i += 3)); do
    mame+=("${sets[i]}.zip")
done
# pacman is the 53rd record and so not in the selection: in a sub-folder it must stay unlisted.
mame+=(readme.txt "pacman.7z" "old/" "old/pacman.zip")
write mame.txt "${mame[@]}"

# neogeo: the block of Neo-Geo cartridges.
neogeo=()
inside=0
for name in "${sets[@]}"; do
    [[ $name == nam1975 ]] && inside=1
    ((inside)) && neogeo+=("$name.zip")
    if [[ $name == vliner ]]; then
        ((inside)) || die "vliner comes before nam1975 in the catalogue"
        inside=2
        break
    fi
done
((inside == 2)) || die "the Neo-Geo block (nam1975 to vliner) is not in the catalogue"
neogeo+=(neogeo.zip "bios/")
write neogeo.txt "${neogeo[@]}"

# classics: sixty golden-age games.
golden=(
    pacman puckman mspacman superpac jrpacman galaxian galaga bosco digdug xevious
    mappy polepos rallyx dkong dkongjr dkong3 mario popeye punchout invaders
    asteroid astdelux llander bzone tempest centiped milliped missile starwars defender
    stargate robotron joust sinistar qbert frogger scramble scobra amidar timeplt
    pooyan gyruss tutankhm junofrst trackfld mrdo ladybug zaxxon congo pengo
    phoenix 1942 kungfum tron spyhunt tapper btime elevator jungleh gorf
)
classics=()
for name in "${golden[@]}"; do
    in_catalogue "$name" || die "$name is not in the catalogue"
    classics+=("$name.zip")
done
classics+=(readme.txt "flyers/")
write classics.txt "${classics[@]}"
