#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the hand-drawn icons to the PNG sizes the desktop's menus use. Run after changing an
# SVG; the PNGs are committed, so a build needs no SVG renderer.
set -euo pipefail
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
for name in zembra tessel; do
    for size in 16 32 48 64 128 256; do
        mkdir -p "$here/$size"
        rsvg-convert --width "$size" --height "$size" "$here/$name.svg" > "$here/$size/$name.png"
    done
done
