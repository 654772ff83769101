#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test (offscreen, no audio);
# then the same tests built with AddressSanitizer and UndefinedBehaviorSanitizer
# in ./build-asan, and every fuzz target for 20 seconds (scripts/fuzz.sh).
# Any failed test, sanitizer finding or fuzzing finding fails the script.
#   SKIP_SANITIZERS=1  only the first pass (quick local runs)
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/build.sh
(cd build && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" "$@")

# Start-up against a bare Qt window, for its figures only: never fails the run.
# Under Xvfb when it is installed (a real X server, as players have), else
# offscreen. Five alternating runs each of the table and the board.
if [ -x build/bench/startup_ratio ]; then
    echo "== start-up ratio (figures only) =="
    figures=(env -u MORDAVENTA_HOME timeout 90 build/bench/startup_ratio --runs 5)
    if command -v Xvfb >/dev/null; then
        number=$(mktemp)
        Xvfb -displayfd 3 -screen 0 1280x1024x24 3>"$number" >/dev/null 2>&1 &
        xvfb=$!
        sleep 1
        env -u QT_QPA_PLATFORM DISPLAY=":$(cat "$number")" "${figures[@]}" 2>/dev/null || true
        kill "$xvfb" 2>/dev/null || true
        rm -f "$number"
    else
        QT_QPA_PLATFORM=offscreen "${figures[@]}" 2>/dev/null || true
    fi
fi
[ "${SKIP_SANITIZERS:-0}" = 1 ] && exit 0

# The sanitizer pass is kept lean: -O1 with line tables only, no benchmarks,
# no install test (it installs the same program the first pass did) and no
# kill test (its child dies by SIGKILL, so the sanitizers see nothing of it,
# and under them it takes minutes).
launcher=()
command -v ccache >/dev/null && launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
# Paths relative to the checkout, so that a clone in another folder reuses the cache.
export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$PWD}" CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-1}"
if [ ! -f build-asan/build.ninja ]; then
    cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug \
        -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g1" -DMORDAVENTA_SANITIZE=ON -DMORDAVENTA_BENCH=OFF \
        "${launcher[@]}"
fi
cmake --build build-asan -j "$(nproc)"
export ASAN_OPTIONS="detect_leaks=1:halt_on_error=1:detect_stack_use_after_return=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
(cd build-asan && QT_QPA_PLATFORM=offscreen ctest --output-on-failure -j "$(nproc)" \
    -E '^(tst_install|tst_crashsafesave)$' "$@")

bash scripts/fuzz.sh 20
