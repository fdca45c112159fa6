#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the program in release mode and benchmarks it whole on a virtual display, on a
# generated full-size cabinet (bench/realrun.py); the figures go in docs/PERFORMANCE.md.
# Arguments go to bench/realrun.py (for example --runs 10, --moves 1000, --small).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/lib/packages.sh"
ensure_packages "${BUILD_PACKAGES[@]}" "${DISPLAY_PACKAGES[@]}"
cmake -S "$root" -B "$root/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZEMBRA_TESTS=OFF \
    > /dev/null
cmake --build "$root/build-bench" --target zembra zembra_real_cabinet zembra_stat_probe
xvfb-run -a -s "-screen 0 1920x1080x24" \
    python3 "$root/bench/realrun.py" --build "$root/build-bench" "$@"
