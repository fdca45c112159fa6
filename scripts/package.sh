#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package of Zembra and Tessel in build-package/ (a Release build without the
# tests) and prints its name. Install it with: sudo apt install ./build-package/zembra_*.deb
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/lib/packages.sh"
ensure_packages "${BUILD_PACKAGES[@]}" "${PACKAGE_PACKAGES[@]}"

build="$root/build-package"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZEMBRA_TESTS=OFF \
    -DZEMBRA_BENCH=OFF > /dev/null
cmake --build "$build" --target zembra tessel zembra_manual_pages
(cd "$build" && cpack -G DEB > /dev/null)
ls "$build"/zembra_*.deb
