#!/usr/bin/env bash
# Builds the libFuzzer targets of fuzz/ into ./build-fuzz (clang, with
# AddressSanitizer and UndefinedBehaviorSanitizer) and runs each one for the
# given number of seconds, one after the other, starting from its committed
# seeds in fuzz/corpus/<name>/. Inputs that reach new code collect in
# build-fuzz/corpus/<name>/. A finding (crash, sanitizer report, failed
# expectation, leak, time-out) ends the script with a failure; its input is
# kept as build-fuzz/findings/<name>-crash-... and can be replayed with
# `build-fuzz/fuzz/<name> FILE`.
#
#   bash scripts/fuzz.sh [SECONDS] [NAME...]     (default 60 s, every target)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
shift || true

launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Paths relative to the checkout, so that a clone in another folder reuses the cache.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}" CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-1}"
if [ ! -f build-fuzz/build.ninja ]; then
    CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DMORDAVENTA_FUZZ=ON -DMORDAVENTA_SANITIZE=ON -DBUILD_TESTING=OFF \
        -DMORDAVENTA_BENCH=OFF "${launcher[@]}"
fi
cmake --build build-fuzz -j "$(nproc)" --target fuzz_targets

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    for src in fuzz/fuzz_*.cpp; do
        targets+=("$(basename "$src" .cpp)")
    done
fi

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1:halt_on_error=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-halt_on_error=1:print_stacktrace=1}"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
export QT_QPA_PLATFORM=offscreen
# The word-list target writes a scratch file for every input; on a RAM disk
# it runs about five times faster than on a journaled disk.
if [ -z "${TMPDIR:-}" ] && [ -d /dev/shm ] && [ -w /dev/shm ]; then
    export TMPDIR=/dev/shm
fi
mkdir -p build-fuzz/findings build-fuzz/logs
failed=()
for name in "${targets[@]}"; do
    seeds="fuzz/corpus/${name#fuzz_}"
    work="build-fuzz/corpus/${name#fuzz_}"
    mkdir -p "$work"
    # Real inputs of most formats are small; longer ones mostly slow the
    # search down. Board sources are larger, so they get more room.
    max_len=4096
    [ "$name" = fuzz_boardsource ] && max_len=16384
    options=(-max_total_time="$seconds" -timeout=10 -rss_limit_mb=4096 -max_len="$max_len"
             -print_final_stats=1 -artifact_prefix="build-fuzz/findings/$name-")
    [ -f "fuzz/dict/${name#fuzz_}.dict" ] && options+=(-dict="fuzz/dict/${name#fuzz_}.dict")
    log="build-fuzz/logs/$name.log"
    if "build-fuzz/fuzz/$name" "${options[@]}" "$work" "$seeds" >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        speed=$(sed -n 's/^stat::average_exec_per_sec: *//p' "$log")
        echo "$name: ${runs:-?} runs, ${speed:-?}/s, no finding"
    else
        echo "$name: FINDING (see $log)"
        tail -n 40 "$log"
        failed+=("$name")
    fi
done
if [ ${#failed[@]} -gt 0 ]; then
    echo "Fuzzing found faults in: ${failed[*]}"
    exit 1
fi
