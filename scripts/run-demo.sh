#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs Zembra on the demo cabinet: installs what is missing, builds, lays out the cabinet in
# build-release/demo-cabinet (its paths filled in for this machine) and starts Zembra on it.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/lib/packages.sh"
ensure_packages "${BUILD_PACKAGES[@]}"

build="$root/build-release"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZEMBRA_TESTS=OFF \
    -DZEMBRA_BENCH=OFF > /dev/null
cmake --build "$build" --target zembra

cabinet="$build/demo-cabinet"
"$root/scripts/make-demo-cabinet.sh" "$cabinet"
# The browser window comes later; for now the cabinet's game lists are rebuilt and shown.
"$build/zembra/zembra" --home "$cabinet" --rescan
