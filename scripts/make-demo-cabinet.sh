#!/usr/bin/env bash
# Builds the demo cabinet in TARGET_DIR, or refreshes one built before.
#
#   scripts/make-demo-cabinet.sh TARGET_DIR
#
# - copies demo/cabinet/* into TARGET_DIR; in the *.in files every @CABINET@ becomes the
#   absolute TARGET_DIR with a trailing "/", and the .in suffix is dropped;
# - creates the ROM folders and one empty file for every name in the manifests demo/roms/*.txt;
# - creates the emulator, artwork and extras folders.
#
# Nothing already in TARGET_DIR is deleted. The demo's own files are replaced with fresh copies,
# except zbkeys.cfg, which Zembra saves when the keys are changed from its menu: it is only
# copied when missing. quarn.cfg and the list files are never touched, and existing ROM files
# keep whatever they hold.
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
cleanup() {
    if [[ -n $pending ]]; then
        rm -f -- "$pending"
    fi
}
trap cleanup EXIT

# Replaces file $2 with $1's lines (CABINET placeholders filled when $3 is "fill"): written
# to a temporary file first and renamed, so an interrupted run never leaves half a file.
install_file() {
    local source="$1" dest="$2" mode="$3" line
    pending="$(mktemp -- "$dest.XXXXXX")"
    if [[ $mode == fill ]]; then
        while IFS= read -r line || [[ -n $line ]]; do
            printf '%s\n' "${line//@CABINET@/$cabinet}"
        done <"$source" >"$pending"
    else
        cat -- "$source" >"$pending"
    fi
    chmod 0644 -- "$pending"
    mv -f -- "$pending" "$dest"
    pending=""
}

shopt -s nullglob

for source in "$demo"/cabinet/*; do
    [[ -f $source ]] || continue
    name="$(basename -- "$source")"
    case "$name" in
    *.in) install_file "$source" "$target/${name%.in}" fill ;;
    zbkeys.cfg) [[ -e $target/$name ]] || install_file "$source" "$target/$name" copy ;;
    *) install_file "$source" "$target/$name" copy ;;
    esac
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

printf 'Demo cabinet ready in %s (try: zembra --home %q --rescan)\n' "$cabinet" "$target"
