#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Regenerates the demo's media in demo/cabinet/: both skins, the intro video, the path logos and
# the jukebox's songs with their playlist.
#
#   demo/make-media.sh [skins] [intro] [logos] [songs]    (all of them when none is named)
#
# Needs ImageMagick 6 (convert), ffmpeg with libmp3lame, mp2 and mpeg1video, and the DejaVu
# fonts. Every picture and sound is drawn or synthesised here; nothing is downloaded. The
# results are committed, so this only has to run again after a change to the designs below.
#
# Skins are laid out in pixels of the 512 x 384 design window (15 twips each); the script writes
# skin.ini in twips, and the backgrounds are drawn at twice the design size so that their panels
# sit exactly behind the elements at every screen size.
set -euo pipefail

here="$(cd -- "$(dirname -- "${BASH_SOURCE[0]}")" && pwd -P)"
cabinet="$here/cabinet"
fonts=/usr/share/fonts/truetype/dejavu
sans="$fonts/DejaVuSans.ttf"
sans_bold="$fonts/DejaVuSans-Bold.ttf"
serif_bold="$fonts/DejaVuSerif-Bold.ttf"
mono_bold="$fonts/DejaVuSansMono-Bold.ttf"

die() {
    printf 'make-media: %s\n' "$*" >&2
    exit 1
}

for tool in convert ffmpeg; do
    command -v "$tool" >/dev/null || die "$tool is needed"
done
for font in "$sans" "$sans_bold" "$serif_bold" "$mono_bold"; do
    [[ -f $font ]] || die "missing font $font (package fonts-dejavu-core)"
done

work="$(mktemp -d)"
trap 'rm -rf -- "$work"' EXIT

# Pictures are drawn at this many pixels per design pixel.
scale=2

# --- Helpers -------------------------------------------------------------------------------------

# A colour number of scheme.cfg (0x00BBGGRR) from red, green and blue.
colour_number() { echo $(($1 | ($2 << 8) | ($3 << 16))); }

# Writes one record with CR LF.
record() { printf '%s\r\n' "$1"; }

# "T,L,W,H" in twips from a design rectangle "L T W H".
twips_rect() {
    local l t w h
    read -r l t w h <<<"$1"
    echo "$((t * 15)),$((l * 15)),$((w * 15)),$((h * 15))"
}

# "x0,y0 x1,y1" in picture pixels for a design rectangle "L T W H" grown by $2 design pixels.
box() {
    local l t w h g="${2:-0}"
    read -r l t w h <<<"$1"
    echo "$(((l - g) * scale)),$(((t - g) * scale)) $(((l + w + g) * scale - 1)),$(((t + h + g) * scale - 1))"
}

# The centre "x,y" of a design rectangle, in picture pixels.
centre() {
    local l t w h
    read -r l t w h <<<"$1"
    echo "$(((2 * l + w) * scale / 2)),$(((2 * t + h) * scale / 2))"
}

# Writes skin.ini into folder $1 from the variables the caller set (see make_neon).
write_skin_ini() {
    local nav_l nav_t path_l path_t logo_l logo_t logo_w logo_h cell_w cell_h
    read -r path_l path_t <<<"$path_label"
    read -r nav_l nav_t <<<"$nav"
    read -r logo_l logo_t logo_w logo_h <<<"$logo"
    read -r cell_w cell_h <<<"$cell"
    {
        record "$(twips_rect "$snap")"
        record "#TRUE#"
        record "$(twips_rect "$cab")"
        record "#TRUE#"
        record "$(twips_rect "$flyer")"
        record "#TRUE#"
        record "$(twips_rect "$marquee")"
        record "#TRUE#"
        record "$(twips_rect "$list")"
        record "1"
        record "\"$list_type\""
        record "$((cell_w * 15)),$((cell_h * 15))"
        record "$((path_t * 15)),$((path_l * 15))"
        record "#TRUE#"
        record "$((nav_t * 15)),$((nav_l * 15))"
        record "#TRUE#"
        record "$((spacing * 15))"
        record "$alignment"
        # The logo record is Top, Left, Height, Width.
        record "$((logo_t * 15)),$((logo_l * 15)),$((logo_h * 15)),$((logo_w * 15))"
        record "#TRUE#"
    } >"$1/skin.ini"
}

# Encodes the expression $3 (of t, in seconds) lasting $2 seconds as a small mono MP3 $1.
tone() {
    ffmpeg -nostdin -loglevel error -y -f lavfi -i "aevalsrc='$3':s=22050:d=$2" \
        -af "afade=t=out:st=$(awk -v d="$2" 'BEGIN { print d - 0.02 }'):d=0.02" \
        -ac 1 -ar 22050 -c:a libmp3lame -b:a 32k -map_metadata -1 -fflags +bitexact \
        -id3v2_version 0 "$1"
}

# A bell-like partial: frequency $1 starting at $2 s, decaying at rate $3, loudness $4.
bell() {
    echo "$4*gte(t,$2)*sin(2*PI*$1*(t-$2))*exp(-$3*(t-$2))*(1-exp(-400*(t-$2)))"
}

# --- Skin "neon": a text list on a dark grid with glowing panels ----------------------------------

make_neon() {
    local dir="$cabinet/zbthemes/neon"
    mkdir -p -- "$dir"
    # Design rectangles: left top width height.
    logo="12 10 128 32"
    path_label="14 46"
    marquee="160 8 256 64"
    list="12 84 236 268"
    nav="14 360"
    snap="260 84 240 180"
    flyer="268 274 72 100"
    cab="420 274 72 100"
    cell="0 0"
    list_type="list"
    spacing=0
    alignment=0
    write_skin_ini "$dir"

    # The highlight's low bits of green and blue spill into red and green as the pulse divides
    # the colour number, so the pink fades through salmon and gold to yellow and stays bright
    # on the dark list panel. The background colour is not black: the mute notice tints what
    # lies behind it with this colour (with the font colour on a black skin), and a dark tint
    # keeps its pink text readable.
    local bg=(16 6 34) font=(150 220 255) high=(248 71 255)
    record "\"DejaVu Sans\",11,$(colour_number "${bg[@]}"),$(colour_number "${font[@]}"),$(colour_number "${high[@]}")" \
        >"$dir/scheme.cfg"

    local fill="rgb(0,0,0)"
    local w=$((512 * scale)) h=$((384 * scale))
    # The sky: a gradient with a faint grid and a low horizon glow.
    local grid="" x y
    for ((x = 0; x <= 512; x += 16)); do
        grid+="line $((x * scale)),0 $((x * scale)),$((h - 1)) "
    done
    for ((y = 0; y <= 384; y += 16)); do
        grid+="line 0,$((y * scale)) $((w - 1)),$((y * scale)) "
    done
    convert -respect-parentheses -size "${w}x${h}" gradient:'#0c0426'-'#24094a' \
        \( -size "${w}x${h}" xc:none -stroke 'rgba(110,80,220,0.28)' -strokewidth 1 -draw "$grid" \) \
        -compose over -composite \
        \( -size "${w}x${h}" xc:none -fill 'rgba(255,60,200,0.30)' \
        -draw "ellipse $((w / 2)),$h $((w / 2)),$((h / 5)) 0,360" -blur 0x40 \) \
        -compose screen -composite \
        "$work/neon-sky.png"

    # Glowing outlines: pink around the list, cyan around the pictures, violet around the logo.
    local pink="#ff40d0" cyan="#30e8ff" violet="#9a6bff"
    local glow_draw
    glow_draw="stroke $pink roundrectangle $(box "$list" 4) 10,10 "
    glow_draw+="stroke $cyan roundrectangle $(box "$snap" 4) 10,10 "
    glow_draw+="roundrectangle $(box "$marquee" 4) 10,10 "
    glow_draw+="roundrectangle $(box "$flyer" 4) 8,8 roundrectangle $(box "$cab" 4) 8,8 "
    glow_draw+="stroke $violet roundrectangle $(box "$logo" 4) 8,8 "
    local panels="fill $fill stroke-width 2 "
    panels+="stroke #ff7ae0 fill rgba(6,2,18,0.72) roundrectangle $(box "$list" 4) 10,10 fill $fill "
    panels+="stroke #8af2ff roundrectangle $(box "$snap" 4) 10,10 "
    panels+="roundrectangle $(box "$marquee" 4) 10,10 "
    panels+="roundrectangle $(box "$flyer" 4) 8,8 roundrectangle $(box "$cab" 4) 8,8 "
    panels+="stroke #b99cff roundrectangle $(box "$logo" 4) 8,8 "

    # A neon joystick between the flyer and the cabinet, and the name at the top right.
    local joy="stroke $pink stroke-width 6 fill none "
    joy+="roundrectangle $((352 * scale)),$((340 * scale)) $((408 * scale)),$((356 * scale)) 6,6 "
    joy+="line $((380 * scale)),$((340 * scale)) $((380 * scale)),$((308 * scale)) "
    joy+="stroke $cyan circle $((380 * scale)),$((300 * scale)) $((380 * scale)),$((290 * scale)) "
    joy+="circle $((362 * scale)),$((330 * scale)) $((366 * scale)),$((330 * scale)) "
    joy+="circle $((398 * scale)),$((330 * scale)) $((402 * scale)),$((330 * scale)) "

    convert -respect-parentheses "$work/neon-sky.png" \
        \( -size "${w}x${h}" xc:none -fill none -strokewidth 7 -draw "$glow_draw $joy" -blur 0x7 \) \
        -compose screen -composite \
        \( -size "${w}x${h}" xc:none -draw "$panels" \) -compose over -composite \
        \( -size "${w}x${h}" xc:none -fill none -strokewidth 3 -draw "$joy" \
        -fill '#ffd8f6' -stroke none -font "$sans_bold" -pointsize $((15 * scale)) \
        -annotate +$((424 * scale))+$((34 * scale)) 'ZEMBRA' \
        -fill '#9feeff' -font "$sans" -pointsize $((7 * scale)) \
        -annotate +$((426 * scale))+$((48 * scale)) 'ARCADE  CABINET' \) \
        -compose over -composite \
        \( -size "${w}x${h}" xc:none -fill none -stroke '#ff40d0' -strokewidth 4 \
        -font "$sans_bold" -pointsize $((15 * scale)) \
        -annotate +$((424 * scale))+$((34 * scale)) 'ZEMBRA' -blur 0x5 \) \
        -compose screen -composite \
        -fill 'rgba(90,110,190,0.45)' -stroke none -font "$sans_bold" -pointsize $((9 * scale)) \
        -gravity center \
        -annotate +$(($(centre "$snap" | cut -d, -f1) - w / 2))+$(($(centre "$snap" | cut -d, -f2) - h / 2)) 'NO SNAPSHOT' \
        -annotate +$(($(centre "$marquee" | cut -d, -f1) - w / 2))+$(($(centre "$marquee" | cut -d, -f2) - h / 2)) 'NO MARQUEE' \
        -pointsize $((6 * scale)) \
        -annotate +$(($(centre "$flyer" | cut -d, -f1) - w / 2))+$(($(centre "$flyer" | cut -d, -f2) - h / 2)) 'NO FLYER' \
        -annotate +$(($(centre "$cab" | cut -d, -f1) - w / 2))+$(($(centre "$cab" | cut -d, -f2) - h / 2)) 'NO CABINET' \
        -gravity northwest -quality 84 -sampling-factor 2x2 -strip "$dir/background.jpg"

    # Fall-back pictures: the missing kind's name in neon on the panel colour.
    neon_fallback() { # file width height text pointsize
        convert -respect-parentheses -size "$2x$3" xc:"$fill" \
            \( -size "$2x$3" xc:none -fill none -stroke "$cyan" -strokewidth 3 \
            -draw "roundrectangle 4,4 $(($2 - 5)),$(($3 - 5)) 8,8" -blur 0x3 \) -compose screen -composite \
            -fill none -stroke '#8af2ff' -strokewidth 1 -draw "roundrectangle 4,4 $(($2 - 5)),$(($3 - 5)) 8,8" \
            \( -size "$2x$3" xc:none -gravity center -font "$sans_bold" -pointsize "$5" \
            -fill none -stroke "$pink" -strokewidth 3 -annotate +0+0 "$4" -blur 0x3 \) \
            -compose screen -composite \
            -gravity center -font "$sans_bold" -pointsize "$5" -fill '#ffd8f6' -stroke none \
            -annotate +0+0 "$4" -quality 85 -strip "$dir/$1"
    }
    neon_fallback marquee32.jpg 256 64 'NO MARQUEE' 22
    neon_fallback screen32.jpg 160 120 $'NO\nSNAPSHOT' 18
    neon_fallback flyer32.jpg 120 168 $'NO\nFLYER' 18
    neon_fallback cabinet32.jpg 120 168 $'NO\nCABINET' 16

    # Sounds: synth blips.
    local arp="" k=0 f
    for f in 523 659 784 1047; do
        arp+="$(bell "$f" "$(awk -v k=$k 'BEGIN { print k * 0.11 }')" 5 0.22)+"
        arp+="$(bell $((f * 3)) "$(awk -v k=$k 'BEGIN { print k * 0.11 }')" 9 0.05)+"
        k=$((k + 1))
    done
    tone "$dir/start.mp3" 1.1 "${arp}0"
    tone "$dir/pop.mp3" 0.08 "0.45*sin(2*PI*1320*t)*exp(-50*t)*(1-exp(-900*t))"
    tone "$dir/com.mp3" 0.5 "0.4*sin(2*PI*(330*t+1100*t*t))*(1-exp(-300*t))*(1-t/0.5)"
    tone "$dir/end.mp3" 1.0 "(0.35*sin(2*PI*(880*t-330*t*t))+0.12*sin(2*PI*(440*t-165*t*t)))*exp(-2.2*t)*(1-exp(-300*t))"
}

# --- Skin "filmstrip": a strip of snapshots on a warm, light background ---------------------------

make_filmstrip() {
    local dir="$cabinet/zbthemes/filmstrip"
    mkdir -p -- "$dir"
    logo="14 12 112 28"
    marquee="136 8 240 60"
    nav="360 358"
    flyer="24 84 104 146"
    snap="148 80 216 162"
    cab="384 84 104 146"
    # Five 4:3 cells 10 apart fill 480 of the list area; the rest is slack for rounding.
    list="16 264 485 70"
    cell="88 66"
    spacing=10
    path_label="18 358"
    list_type="snap"
    alignment=2
    write_skin_ini "$dir"

    # The amber highlight fades to yellow (its low bits spill as in neon), bright on the dark
    # film band. A white background colour makes the mute notice tint with the dark brown font
    # colour, under which the amber text reads.
    local bg=(255 255 255) font=(70 40 20) high=(248 183 39)
    record "\"DejaVu Serif\",12,$(colour_number "${bg[@]}"),$(colour_number "${font[@]}"),$(colour_number "${high[@]}")" \
        >"$dir/scheme.cfg"

    local w=$((512 * scale)) h=$((384 * scale))
    local paper=(252 246 234)
    local mat="rgb(${paper[0]},${paper[1]},${paper[2]})" brown="#3b2416" dark="#2a180e"
    # Photo mats with a soft shadow for the pictures, a dark plate for the logo and the arrows.
    local shadows="fill rgba(80,40,10,0.55) "
    shadows+="rectangle $(box "$flyer" 5) rectangle $(box "$snap" 5) rectangle $(box "$cab" 5) "
    shadows+="roundrectangle $(box "$marquee" 5) 8,8 "
    local mats="fill $mat stroke #c9a77c stroke-width 2 "
    mats+="rectangle $(box "$flyer" 5) rectangle $(box "$snap" 5) rectangle $(box "$cab" 5) "
    mats+="stroke #8a5a2e stroke-width 3 roundrectangle $(box "$marquee" 5) 8,8 "
    mats+="fill $dark stroke #c08a3e stroke-width 2 "
    mats+="roundrectangle $(box "$logo" 4) 8,8 "
    mats+="roundrectangle $((392 * scale)),$((14 * scale)) $((500 * scale)),$((58 * scale)) 8,8 "

    # The film: a dark band with sprocket holes above and below the cells, and a footer.
    local film="fill $brown stroke none rectangle 0,$((252 * scale)) $((w - 1)),$((346 * scale)) "
    film+="fill #1d110a rectangle 0,$((262 * scale)) $((w - 1)),$((336 * scale)) "
    film+="fill #f3e3c6 "
    local x
    for ((x = 4; x < 512; x += 14)); do
        film+="roundrectangle $((x * scale)),$((255 * scale)) $(((x + 7) * scale)),$((259 * scale)) 2,2 "
        film+="roundrectangle $((x * scale)),$((339 * scale)) $(((x + 7) * scale)),$((343 * scale)) 2,2 "
    done
    film+="fill $dark rectangle 0,$((352 * scale)) $((w - 1)),$((h - 1)) "
    film+="fill #c08a3e rectangle 0,$((352 * scale)) $((w - 1)),$((352 * scale + 1)) "

    convert -respect-parentheses -size "${w}x${h}" gradient:'#fff7e6'-'#f1d3a6' \
        \( -size "${w}x${h}" xc:none -fill none -stroke 'rgba(190,140,80,0.18)' -strokewidth $((6 * scale)) \
        -draw "$(for ((x = -384; x < 512; x += 24)); do
            printf 'line %d,%d %d,%d ' $((x * scale)) $((h + 10)) $(((x + 384) * scale)) -10
        done)" \) -compose over -composite \
        \( -size "${w}x${h}" xc:none -draw "$shadows" -blur 0x6 \) -compose over -composite \
        -draw "$mats" -draw "$film" \
        -fill 'rgba(150,110,70,0.6)' -font "$serif_bold" -pointsize $((8 * scale)) -gravity center \
        -annotate +$(($(centre "$snap" | cut -d, -f1) - w / 2))+$(($(centre "$snap" | cut -d, -f2) - h / 2)) 'no snapshot' \
        -annotate +$(($(centre "$flyer" | cut -d, -f1) - w / 2))+$(($(centre "$flyer" | cut -d, -f2) - h / 2)) 'no flyer' \
        -annotate +$(($(centre "$cab" | cut -d, -f1) - w / 2))+$(($(centre "$cab" | cut -d, -f2) - h / 2)) 'no cabinet' \
        -annotate +$(($(centre "$marquee" | cut -d, -f1) - w / 2))+$(($(centre "$marquee" | cut -d, -f2) - h / 2)) 'no marquee' \
        -fill '#f3c46a' -font "$serif_bold" -pointsize $((11 * scale)) \
        -annotate +$((446 * scale - w / 2))+$((30 * scale - h / 2)) 'NOW' \
        -annotate +$((446 * scale - w / 2))+$((44 * scale - h / 2)) 'SHOWING' \
        -gravity northwest \
        -quality 84 -sampling-factor 2x2 -strip "$dir/background.jpg"

    # Fall-back pictures: an empty film frame with a sepia caption.
    film_fallback() { # file width height text pointsize
        convert -size "$2x$3" gradient:'#6b4a30'-'#2e1c10' \
            -fill none -stroke '#e9cfa2' -strokewidth 2 -draw "rectangle 6,6 $(($2 - 7)),$(($3 - 7))" \
            -stroke none -fill '#f6e7cc' -font "$serif_bold" -pointsize "$5" -gravity center \
            -annotate +0+0 "$4" -quality 85 -strip "$dir/$1"
    }
    film_fallback marquee32.jpg 256 64 'no marquee' 24
    film_fallback screen32.jpg 160 120 $'no\nsnapshot' 20
    film_fallback flyer32.jpg 120 168 $'no\nflyer' 20
    film_fallback cabinet32.jpg 120 168 $'no\ncabinet' 18

    # Sounds: soft bells and a wooden click.
    tone "$dir/start.mp3" 1.2 "$(bell 392 0 3 0.2)+$(bell 494 0.12 3 0.18)+$(bell 587 0.24 3 0.18)+$(bell 784 0.36 2.5 0.16)+$(bell 1568 0.36 6 0.04)"
    tone "$dir/pop.mp3" 0.07 "0.5*sin(2*PI*620*t)*exp(-70*t)*(1-exp(-1500*t))+0.15*sin(2*PI*1860*t)*exp(-120*t)"
    tone "$dir/com.mp3" 0.5 "$(bell 784 0 6 0.3)+$(bell 1047 0.14 6 0.3)"
    tone "$dir/end.mp3" 1.0 "$(bell 784 0 4 0.25)+$(bell 659 0.2 4 0.25)+$(bell 523 0.4 3 0.28)"
}

# --- The intro: three seconds of MPEG-1 ----------------------------------------------------------

make_intro() {
    local out="$cabinet/intro.mpeg"
    ffmpeg -nostdin -loglevel error -y \
        -f lavfi -i "gradients=s=640x480:r=25:d=3:c0=0x0c0426:c1=0x3a0c6a:c2=0x08304a:n=3:speed=0.02:seed=7" \
        -f lavfi -i "aevalsrc='$(bell 262 0.2 1.5 0.18)+$(bell 330 0.5 1.5 0.16)+$(bell 392 0.8 1.5 0.16)+$(bell 523 1.1 1.2 0.18)+$(bell 1047 1.1 2 0.05)':s=44100:d=3" \
        -filter_complex "[0:v]drawgrid=w=32:h=32:t=1:c=0x6a50dc@0.35,\
drawtext=fontfile=$sans_bold:text=ZEMBRA:fontsize=112:fontcolor=0xffd8f6:\
x=(w-text_w)/2:y=(h-text_h)/2-20:alpha='min(1,max(0,(t-0.3)/0.8))':borderw=4:bordercolor=0xff40d0,\
drawtext=fontfile=$sans:text='ARCADE CABINET FRONT-END':fontsize=24:fontcolor=0x9feeff:\
x=(w-text_w)/2:y=(h/2)+60:alpha='min(1,max(0,(t-1.2)/0.6))',\
fade=t=in:st=0:d=0.3,fade=t=out:st=2.6:d=0.4,format=yuv420p[v];\
[1:a]afade=t=out:st=2.5:d=0.5[a]" \
        -map '[v]' -map '[a]' -c:v mpeg1video -b:v 560k -maxrate 700k -bufsize 1835k -muxrate 1200k -g 25 \
        -c:a mp2 -b:a 64k -ar 44100 -ac 1 -map_metadata -1 -fflags +bitexact -f mpeg "$out"
}

# --- Path logos: 256 x 64 GIFs -------------------------------------------------------------------

# logo FILE TEXT TOP-COLOUR BOTTOM-COLOUR POINTSIZE
logo() {
    local file="$1" text="$2" top="$3" bottom="$4" size="$5"
    convert -respect-parentheses -size 256x64 xc:'#0b0a14' \
        \( -size 256x64 gradient:"$top"-"$bottom" \
        \( -size 256x64 xc:black -fill white -font "$sans_bold" -pointsize "$size" -gravity center \
        -annotate +0+0 "$text" \) -alpha off -compose copy-opacity -composite \) \
        -compose over -composite -gravity northwest \
        -fill none -stroke "$top" -strokewidth 2 -draw "roundrectangle 2,2 253,61 10,10" \
        -colors 64 "$cabinet/$file"
}

make_logos() {
    logo mame.gif 'MAME' '#ffe36a' '#ff6a2a' 42
    logo neogeo.gif 'NEO·GEO' '#9fe8ff' '#2a7aff' 38
    logo classics.gif 'CLASSICS' '#ffb0e8' '#c02aa0' 34
    logo impact.gif 'IMPACT' '#ffd070' '#e03a10' 38
    logo modeler.gif 'MODELER' '#b0ffb8' '#1aa050' 34
    logo u64.gif 'ULTRA 64' '#ff9a9a' '#c01a1a' 34
    logo vp.gif 'PINBALL' '#fff08a' '#d09a10' 36
    logo s11.gif 'SYSTEM 11' '#c8b8ff' '#6a3aff' 32
    logo daphne.gif 'LASERDISC' '#a0fff0' '#10a0a0' 30
    logo extras.gif 'EXTRAS' '#e0e0e0' '#8a8aa0' 38
}

# --- The jukebox: four short songs and default.m3u ------------------------------------------------

# Appends a 128-byte ID3v1 tag to file $1: "TAG", then title $2, artist $3 and album $4 in 30
# bytes each, padded with NULs, the year $5 in 4, an empty comment and genre 255 (none).
id3v1() {
    local LC_ALL=C file="$1" field before
    before=$(stat -c %s -- "$file")
    {
        printf 'TAG'
        for field in "$2" "$3" "$4"; do
            ((${#field} <= 30)) || die "an ID3v1 field holds at most 30 bytes: $field"
            printf '%s' "$field"
            head -c $((30 - ${#field})) /dev/zero
        done
        printf '%-4.4s' "$5"
        head -c 30 /dev/zero
        printf '\377'
    } >>"$file"
    (($(stat -c %s -- "$file") == before + 128)) || die "the tag of $file is not 128 bytes"
}

# A tune for expression $3 (of t) lasting $2 seconds, into file $1; the codec follows the
# extension (.mp3 or .ogg). No other tag is written: the ID3v1 tag is added by hand.
song() {
    local codec=(-c:a libmp3lame -b:a 48k -id3v2_version 0 -write_id3v1 0)
    [[ $1 == *.ogg ]] && codec=(-c:a libvorbis -q:a 2)
    ffmpeg -nostdin -loglevel error -y -f lavfi -i "aevalsrc='$3':s=22050:d=$2" \
        -af "afade=t=in:d=0.05,afade=t=out:st=$(awk -v d="$2" 'BEGIN { print d - 0.6 }'):d=0.6" \
        -ac 1 -ar 22050 "${codec[@]}" -map_metadata -1 -fflags +bitexact "$1"
}

# A bell-like note as bell() makes it, safe at any start: before its start $2 the exponentials
# see 0 instead of a negative time, which would overflow them to infinity.
note() {
    local since="max(0,t-$2)"
    echo "$4*gte(t,$2)*sin(2*PI*$1*$since)*exp(-$3*$since)*(1-exp(-400*$since))"
}

# Bell notes of frequencies $3... one beat of $1 seconds apart, each decaying at rate $2, as an
# expression of t; a frequency of 0 is a rest.
melody() {
    local beat="$1" decay="$2" expr="" k=0 f
    shift 2
    for f in "$@"; do
        if ((f > 0)); then
            local at
            at=$(awk -v k=$k -v b="$beat" 'BEGIN { print k * b }')
            expr+="$(note "$f" "$at" "$decay" 0.22)+$(note $((f * 2)) "$at" $((decay * 2)) 0.04)+"
        fi
        k=$((k + 1))
    done
    echo "${expr}0"
}

make_songs() {
    local music="$cabinet/music"
    mkdir -p -- "$music"
    rm -f -- "$music"/*.mp3 "$music"/*.ogg
    song "$music/insert-coin-waltz.mp3" 5 \
        "$(melody 0.33 4 392 523 659 523 587 698 587 494 523 659 784 0 659 523)+$(melody 1.0 2 131 175 196 131 0)"
    id3v1 "$music/insert-coin-waltz.mp3" "Insert Coin Waltz" "The Attract Loop" "Zembra Demo Tapes" 2026
    song "$music/high-score-sunset.mp3" 5 \
        "$(melody 0.25 5 659 587 523 440 523 587 659 784 880 784 659 587 523 0 440 0 523 0 440)+$(melody 1.0 2 110 147 131 110 0)"
    id3v1 "$music/high-score-sunset.mp3" "High Score Sunset" "Pixel Harbour" "Zembra Demo Tapes" 2026
    song "$music/last-credit-lullaby.mp3" 6 \
        "$(melody 0.5 3 330 392 440 392 330 294 262 294 330 0 262)+$(melody 1.5 1 82 98 110 82)"
    id3v1 "$music/last-credit-lullaby.mp3" "Last Credit Lullaby" "Night Shift" "Coin-Op Evenings" 2026
    # The one song without a tag: the jukebox shows its file name instead.
    song "$music/cabinet-hum.ogg" 4 \
        "$(melody 0.2 6 523 0 523 659 0 659 784 0 784 659 0 523 0 0 392 0 523 0 0 0)+0.08*sin(2*PI*55*t)"

    # The playlist, as a Windows editor would have saved it: CR LF, backslashes, m3u comments.
    {
        record "#EXTM3U"
        record "#EXTINF:5,The Attract Loop - Insert Coin Waltz"
        record 'music\insert-coin-waltz.mp3'
        record "#EXTINF:5,Pixel Harbour - High Score Sunset"
        record 'music\high-score-sunset.mp3'
        record "#EXTINF:6,Night Shift - Last Credit Lullaby"
        record 'music\last-credit-lullaby.mp3'
        record "#EXTINF:4,Cabinet Hum"
        record 'music\cabinet-hum.ogg'
    } >"$cabinet/default.m3u"
}

parts=("$@")
((${#parts[@]} > 0)) || parts=(skins intro logos songs)
for part in "${parts[@]}"; do
    case "$part" in
    skins)
        make_neon
        make_filmstrip
        ;;
    intro) make_intro ;;
    logos) make_logos ;;
    songs) make_songs ;;
    *) die "unknown part $part (skins, intro, logos, songs)" ;;
    esac
done
printf 'make-media: done in %s\n' "$cabinet"
