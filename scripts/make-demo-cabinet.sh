#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the demo cabinet in TARGET_DIR, or refreshes one built before.
#
#   scripts/make-demo-cabinet.sh TARGET_DIR
#   ZEMBRA_ARTGEN=build/demo/artgen/zembra_demo_art scripts/make-demo-cabinet.sh TARGET_DIR
#   ZEMBRA_STANDIN=build/demo/standin/zembra_standin scripts/make-demo-cabinet.sh TARGET_DIR
#
# - copies demo/cabinet/* into TARGET_DIR; in the *.in files every @CABINET@ becomes the
#   absolute TARGET_DIR with a trailing "/", and the .in suffix is dropped;
# - copies the game information files demo/cabinet/emu/mame/*.dat (mameinfo.dat, history.dat)
#   into TARGET_DIR/emu/mame/, the MAME folder of quarn.ini.in;
# - copies the skins demo/cabinet/zbthemes/<skin>/ into TARGET_DIR/zbthemes/<skin>/, with the
#   intro video and the path logos;
# - copies the jukebox's songs demo/cabinet/music/* into TARGET_DIR/music/ (default.m3u, copied
#   with the other files, names them);
# - creates the ROM folders and one empty file for every name in the manifests demo/roms/*.txt;
# - creates the emulator, artwork and extras folders;
# - when the environment variable ZEMBRA_ARTGEN names the built artwork generator
#   (the CMake target zembra_demo_art), draws artwork for the demo's games: a few hundred of the
#   MAME games, most Neo-Geo and Classics games, all games of the fixed emulators and all
#   extras; the first games of every list get all four pictures. Pictures already there are
#   kept, so a second run takes no time.
# - when the environment variable ZEMBRA_STANDIN names the built stand-in emulator (the CMake
#   target zembra_standin), puts a copy of it wherever the cabinet expects an emulator or an
#   extra (emu/mame/mame.exe, emu/impact/impactemu.exe, ..., extras/tools/volume.exe), so every
#   game of the demo starts something; emu/vpinball/vpinball.exe is the one to name in
#   ZEMBRA_OPENER for the tables. A program someone put there in its place is kept; an empty
#   placeholder is not.
#
# Nothing already in TARGET_DIR is deleted. The demo's own files are replaced with fresh copies,
# except zbkeys.cfg and quarn.cfg, which Zembra saves itself (the keys from its menu, the skin
# and the last game on exit): they are only copied when missing. The list files are never
# touched, and existing ROM files keep whatever they hold.
set -euo pipefail

repo="$(cd -- "$(dirname -- "${BASH_SOURCE[0]}")/.." && pwd -P)"
demo="$repo/demo"

die() {
    printf 'make-demo-cabinet: %s\n' "$*" >&2
    exit 1
}

if [[ $# -ne 1 || -z $1 || $1 == -h || $1 == --help ]]; then
    printf 'usage: %s TARGET_DIR\n' "$(basename -- "$0")" >&2
    exit 2
fi

# quarn.ini and extra.lst are read item by item: a comma or a double quote would split or
# swallow the folder, and Zembra turns every backslash into a slash.
check_folder() {
    case "$1" in
    *,* | *'"'* | *\\* | *$'\n'* | *$'\r'*)
        die "the cabinet folder must not contain a comma, a double quote, a backslash or a line break: $1"
        ;;
    esac
}

if [[ $1 == /* ]]; then
    check_folder "$1"
else
    check_folder "$PWD/$1"
fi
mkdir -p -- "$1" || die "cannot create $1"
target="$(cd -- "$1" && pwd -P)"
cabinet="${target%/}/"
check_folder "$cabinet" # links may lead elsewhere

# The ROM folder each manifest fills, relative to the cabinet.
rom_folder() {
    case "$1" in
    mame) echo "roms/mame/" ;;
    neogeo) echo "roms/neogeo/" ;;
    classics) echo "roms/classics/" ;;
    impact) echo "emu/impact/roms/" ;;
    modeler) echo "emu/modeler/roms/" ;;
    ki) echo "emu/ki/roms/" ;;
    ki2) echo "emu/ki2/roms/" ;;
    vpinball) echo "emu/vpinball/tables/" ;;
    s11) echo "emu/s11/roms/" ;;
    daphne) echo "emu/daphne/" ;;
    *) return 1 ;;
    esac
}

# Folders the demo's quarn.ini and extra.lst name besides the ROM folders.
other_folders=(
    emu/mame
    artwork/mame
    artwork/neogeo
    artwork/classics
    extras/jukebox
    extras/highscores
    extras/tools
)

# A "&" in the cabinet folder must stay a "&" in the replacements below.
shopt -u patsub_replacement 2>/dev/null || true

pending=""
scratch=""
cleanup() {
    if [[ -n $pending ]]; then
        rm -f -- "$pending"
    fi
    if [[ -n $scratch ]]; then
        rm -rf -- "$scratch"
    fi
}
trap cleanup EXIT

# Replaces file $2 with $1's lines (CABINET placeholders filled when $3 is "fill"), with the
# permissions $4 (0644 when not given): written to a temporary file first and renamed, so an
# interrupted run never leaves half a file.
install_file() {
    local source="$1" dest="$2" mode="$3" permissions="${4:-0644}" line
    pending="$(mktemp -- "$dest.XXXXXX")"
    if [[ $mode == fill ]]; then
        while IFS= read -r line || [[ -n $line ]]; do
            printf '%s\n' "${line//@CABINET@/$cabinet}"
        done <"$source" >"$pending"
    else
        cat -- "$source" >"$pending"
    fi
    chmod "$permissions" -- "$pending"
    mv -f -- "$pending" "$dest"
    pending=""
}

shopt -s nullglob

for source in "$demo"/cabinet/*; do
    [[ -f $source ]] || continue
    name="$(basename -- "$source")"
    case "$name" in
    *.in) install_file "$source" "$target/${name%.in}" fill ;;
    zbkeys.cfg | quarn.cfg) [[ -e $target/$name ]] || install_file "$source" "$target/$name" copy ;;
    *) install_file "$source" "$target/$name" copy ;;
    esac
done

# The game information files, in the MAME folder that quarn.ini.in names (MameDir), where the
# information window reads them; refreshed on each run.
mkdir -p -- "$target/emu/mame"
for source in "$demo"/cabinet/emu/mame/*.dat; do
    install_file "$source" "$target/emu/mame/$(basename -- "$source")" copy
done

# The skins: every file of every skin folder, refreshed on each run.
for skin in "$demo"/cabinet/zbthemes/*/; do
    skin_name="$(basename -- "$skin")"
    mkdir -p -- "$target/zbthemes/$skin_name"
    for source in "$skin"*; do
        [[ -f $source ]] || continue
        install_file "$source" "$target/zbthemes/$skin_name/$(basename -- "$source")" copy
    done
done

# The jukebox's songs, which default.m3u names under music/.
mkdir -p -- "$target/music"
for source in "$demo"/cabinet/music/*; do
    [[ -f $source ]] || continue
    install_file "$source" "$target/music/$(basename -- "$source")" copy
done

for manifest in "$demo"/roms/*.txt; do
    set_name="$(basename -- "$manifest" .txt)"
    folder="$(rom_folder "$set_name")" || die "no ROM folder is known for the manifest $manifest"
    mkdir -p -- "$target/$folder"
    line_number=0
    while IFS= read -r entry || [[ -n $entry ]]; do
        line_number=$((line_number + 1))
        entry="${entry%$'\r'}"
        [[ -n $entry ]] || continue
        case "/$entry/" in
        //* | */../* | */./*)
            die "$manifest, line $line_number: \"$entry\" must be a plain name inside the folder"
            ;;
        esac
        if [[ $entry == */ ]]; then
            mkdir -p -- "$target/$folder$entry"
        else
            if [[ $entry == */* ]]; then
                mkdir -p -- "$target/$folder${entry%/*}"
            fi
            # An existing file, perhaps a real ROM, is left as it is.
            [[ -e $target/$folder$entry ]] || : >"$target/$folder$entry"
        fi
    done <"$manifest"
done

for folder in "${other_folders[@]}"; do
    mkdir -p -- "$target/$folder"
done

# The stand-in emulator, under every name the cabinet starts a program by.
standin_names=(
    emu/mame/mame.exe
    emu/impact/impactemu.exe
    emu/impact/nt_impactemu.exe
    emu/modeler/modeler.exe
    emu/ki/u64emu.exe
    emu/ki2/u64emu2.exe
    emu/vpinball/vpinball.exe
    emu/s11/s11emu-oldplugins.exe
    emu/s11/s11emu-newplugins.exe
    emu/daphne/daphne.exe
    extras/jukebox/jukebox.exe
    extras/highscores/highscores.exe
    extras/tools/volume.exe
    extras/tools/inputtest.exe
)
if [[ -n ${ZEMBRA_STANDIN:-} ]]; then
    [[ -x $ZEMBRA_STANDIN && ! -d $ZEMBRA_STANDIN ]] ||
        die "ZEMBRA_STANDIN does not name a program: $ZEMBRA_STANDIN"
    for name in "${standin_names[@]}"; do
        dest="$target/$name"
        # Only an empty placeholder or an earlier stand-in (it carries its window title) is
        # replaced.
        if [[ -s $dest ]] && ! grep -qF "Zembra stand-in emulator" -- "$dest"; then
            continue
        fi
        install_file "$ZEMBRA_STANDIN" "$dest" copy 0755
    done
fi

# Artwork, drawn by the generator when it is given. Each call names the catalogue, the base
# folder the path reads its artwork from (see quarn.ini.in and extra.lst.in) and the file of set
# names; the generator skips names that are not in the catalogue.
# The games at the top of a list that always get every picture: more than a screen of either
# skin from the first game on.
leading_games=24
if [[ -n ${ZEMBRA_ARTGEN:-} ]]; then
    [[ -x $ZEMBRA_ARTGEN && ! -d $ZEMBRA_ARTGEN ]] ||
        die "ZEMBRA_ARTGEN does not name a program: $ZEMBRA_ARTGEN"
    catalogue="$target/gamelist.lst"
    art() { # base folder, manifest, generator options
        local base="$1" manifest="$2"
        shift 2
        "$ZEMBRA_ARTGEN" "$@" "$catalogue" "$target/$base" "$demo/roms/$manifest.txt" >/dev/null ||
            die "the artwork generator failed for $base"
    }
    # The games each list opens with get all four pictures, so every path's first screen shows
    # artwork; further down some are missing and the skins' fall-backs show.
    art artwork/mame/ mame --every 5 --first "$leading_games"
    art artwork/neogeo/ neogeo --first "$leading_games"
    art artwork/classics/ classics --first "$leading_games"
    art emu/impact/ impact --complete
    art emu/modeler/ modeler --complete
    art emu/s11/ s11 --complete
    art emu/vpinball/ vpinball --complete
    art emu/daphne/ daphne --complete
    # Ultra 64: the game titled exactly "Killer Instinct" keeps its pictures in the KI folder,
    # every other one in the KI2 folder.
    art emu/ki/ ki --complete
    art emu/ki2/ ki2 --complete

    # Extras keep their pictures in their own folders, named after the program file.
    scratch="$(mktemp -d)"
    extra_titles="$scratch/titles.lst"
    extra_names="$scratch/names.txt"
    exe="" caption="" folder=""
    while IFS= read -r line || [[ -n $line ]]; do
        line="${line%$'\r'}"
        case "$line" in
        Exe=*) exe="${line#Exe=}" ;;
        Caption=*) caption="${line#Caption=}" ;;
        Path=*) folder="${line#Path=}" ;;
        '}')
            if [[ -n $exe && -n $caption && -n $folder ]]; then
                printf '%s,"%s"\n' "${exe%.*}" "$caption" >"$extra_titles"
                printf '%s\n' "$exe" >"$extra_names"
                "$ZEMBRA_ARTGEN" --complete "$extra_titles" "$folder" "$extra_names" >/dev/null ||
                    die "the artwork generator failed for the extra $exe"
            fi
            exe="" caption="" folder=""
            ;;
        esac
    done <"$target/extra.lst"
fi

# The hint names the program as it can be typed here: the one built in the usual place, or
# the one on PATH.
zembra_program=""
for candidate in "$repo/build-release/zembra/zembra" "$repo/build/zembra/zembra"; do
    if [[ -x $candidate ]]; then
        zembra_program="$candidate"
        break
    fi
done
if [[ -z $zembra_program ]] && command -v zembra >/dev/null; then
    zembra_program=zembra
fi
if [[ -n $zembra_program ]]; then
    printf 'Demo cabinet ready in %s (try: %q --home %q --rescan)\n' "$cabinet" "$zembra_program" "$target"
else
    printf 'Demo cabinet ready in %s (build Zembra, then run: zembra --home %q --rescan)\n' "$cabinet" "$target"
fi
