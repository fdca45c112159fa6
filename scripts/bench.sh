#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks in release mode and runs them; the figures go in docs/PERFORMANCE.md.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/lib/packages.sh"
ensure_packages "${BUILD_PACKAGES[@]}"
cmake -S "$root" -B "$root/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZEMBRA_TESTS=OFF \
    > /dev/null
cmake --build "$root/build-bench" --target zembra_bench
"$root/build-bench/bench/zembra_bench" "$@"
