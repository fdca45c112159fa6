#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The whole test suite: installs what is missing, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer, runs every test with ctest, checks the formatting, makes sure
# the benchmarks still build, builds the Debian package from the same Release build and tries it
# unpacked in a scratch root, and runs each fuzz target for a short, bounded time.
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
source "$root/scripts/lib/packages.sh"
ensure_packages "${BUILD_PACKAGES[@]}" "${DISPLAY_PACKAGES[@]}" "${FUZZ_PACKAGES[@]}" \
    "${PACKAGE_PACKAGES[@]}" clang-format

build="$root/build-test"
cmake -S "$root" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DZEMBRA_SANITIZE=ON
cmake --build "$build"
export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
# A test that fails is run once more before the run fails: the leak checker's own tracer
# crashes now and then as a program ends on a loaded machine. A fault that is really there
# fails both times.
(cd "$build" && ctest --output-on-failure -j "$(nproc)" --repeat until-pass:2)

echo "Checking the formatting"
(cd "$root" && git ls-files -z -- '*.cpp' '*.h' | xargs -0 clang-format --dry-run -Werror)

# The package is made from the benchmarks' Release build, which has most of the programs compiled
# already; the test build's sanitizers would make the packaged programs need their libraries.
echo "Building the benchmarks and the programs to package"
cmake -S "$root" -B "$root/build-bench" -G Ninja -DCMAKE_BUILD_TYPE=Release -DZEMBRA_TESTS=OFF \
    > /dev/null
cmake --build "$root/build-bench" --target zembra_bench zembra_browser_bench zembra tessel \
    zembra_manual_pages

echo "Building the Debian package and trying it unpacked"
bash "$root/tests/package/install_test.sh" "$root/build-bench"

FUZZ_SECONDS="${FUZZ_SECONDS:-10}" "$root/scripts/fuzz.sh"
