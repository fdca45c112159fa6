#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the libFuzzer targets in build-fuzz and runs each for a bounded time on a copy of its
# seed corpus. Exits non-zero when any target finds a crash, a hang or a broken rule.
#
#   FUZZ_SECONDS  seconds per target (default 10)
set -u

repo="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$repo/build-fuzz"
fuzz_dir="$repo/tests/fuzz"
seconds="${FUZZ_SECONDS:-10}"

if ! command -v clang++ >/dev/null 2>&1 || ! command -v clang >/dev/null 2>&1; then
    echo "clang not found; fuzzing skipped"
    exit 0
fi
case "$seconds" in
'' | *[!0-9]*)
    echo "FUZZ_SECONDS must be a whole number of seconds, not '$seconds'" >&2
    exit 2
    ;;
esac

work="$(mktemp -d "${TMPDIR:-/tmp}/zembra-fuzz.XXXXXX")"
trap 'rm -rf "$work"' EXIT

generator=()
if command -v ninja >/dev/null 2>&1; then
    generator=(-G Ninja)
fi
if ! CC=clang CXX=clang++ cmake -S "$repo" -B "$build" "${generator[@]}" -DZEMBRA_FUZZ=ON \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo >"$work/configure.log" 2>&1; then
    cat "$work/configure.log" >&2
    echo "configuring the fuzz build failed" >&2
    exit 1
fi
targets=()
for source in "$fuzz_dir"/Fuzz*.cpp; do
    targets+=("$(basename "$source" .cpp)")
done
if ! cmake --build "$build" --parallel --target "${targets[@]}" >"$work/build.log" 2>&1; then
    tail -n 60 "$work/build.log" >&2
    echo "building the fuzz targets failed" >&2
    exit 1
fi

findings="$build/fuzz-findings"

# Stop on undefined behaviour as on a memory error, so libFuzzer keeps the input.
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1${UBSAN_OPTIONS:+:$UBSAN_OPTIONS}"

failed=0
for target in "${targets[@]}"; do
    binary="$build/tests/fuzz/$target"
    if [[ ! -x "$binary" ]]; then
        echo "$target: FAILED (not built)"
        failed=1
        continue
    fi
    corpus="$work/$target/corpus"
    artifacts="$work/$target/artifacts"
    mkdir -p "$corpus" "$artifacts"
    if [[ -d "$fuzz_dir/corpus/$target" ]]; then
        cp -R "$fuzz_dir/corpus/$target/." "$corpus/"
    fi
    log="$work/$target/log"
    kept="$findings/$target"
    rm -rf "$kept" # findings of an earlier run would be mistaken for this one's
    if "$binary" "$corpus" -max_total_time="$seconds" -max_len=65536 -timeout=10 \
        -rss_limit_mb=2048 -artifact_prefix="$artifacts/" -print_final_stats=1 >"$log" 2>&1; then
        runs="$(sed -n 's/^Done \([0-9]*\) runs.*/\1/p' "$log" | tail -n 1)"
        echo "$target: ok (${runs:-?} runs in ${seconds} s, $(find "$corpus" -type f | wc -l) inputs)"
    else
        failed=1
        mkdir -p "$kept"
        cp "$log" "$kept/log"
        cp -R "$artifacts/." "$kept/" 2>/dev/null
        reason="$(grep -m 1 -E '(^==[0-9]+== ?ERROR|runtime error|rule broken)' "$log" || true)"
        echo "$target: FAILED (${reason:-see log}); input and log in $kept"
    fi
done
exit "$failed"
