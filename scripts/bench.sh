#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the benchmarks in release mode and runs them; the figures go in docs/PERFORMANCE.md.
# Arguments are passed to every program (for example --benchmark_filter=Rescan).
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/lib/packages.sh"
ensure_packages "${BUILD_PACKAGES[@]}"
cmake -S "$root" -B "$root/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZEMBRA_TESTS=OFF \
    > /dev/null
cmake --build "$root/build-bench" --target zembra_bench zembra_browser_bench zembra_info_bench
"$root/build-bench/bench/zembra_bench" "$@"
"$root/build-bench/bench/zembra_info_bench" "$@"
if [ -d "$root/build-release/demo-cabinet" ]; then
    export ZEMBRA_DEMO_CABINET="$root/build-release/demo-cabinet"
fi
QT_QPA_PLATFORM=offscreen "$root/build-bench/bench/zembra_browser_bench" "$@"
