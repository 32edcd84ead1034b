#!/usr/bin/env bash
# Builds everything with AddressSanitizer + UndefinedBehaviorSanitizer into build-asan and runs
# the whole test suite; then runs one full user session (tests/model/tst_session: start, a test,
# the result, both About windows, Exit) with the leak checker on. Any report fails.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build-asan}
scripts/deps.sh build test
flags="-fsanitize=address,undefined -fno-omit-frame-pointer -fno-sanitize-recover=all"

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DCMAKE_CXX_FLAGS="$flags" -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" \
    -DSUMWRIGHT_BUILD_BENCH=OFF >/dev/null
cmake --build "$build_dir" --parallel 2

export QT_QPA_PLATFORM=offscreen
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
# Qt, fontconfig and glib keep caches for the life of the process; the suite runs without the
# leak checker, and the one session below runs with it, reporting only what is not theirs.
export ASAN_OPTIONS=detect_leaks=0:abort_on_error=0:strict_string_checks=1:detect_stack_use_after_return=1
(cd "$build_dir" && ctest --output-on-failure --parallel 2 --timeout 900)

echo "Leak check of one whole session:"
ASAN_OPTIONS=detect_leaks=1 LSAN_OPTIONS=suppressions=$PWD/scripts/lsan-toolkit.supp:print_suppressions=0 \
    "$build_dir/tests/model/tst_session"
echo "No leak of ours."
