#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (core instrumented with ASan + UBSan and coverage)
# and runs each for a bounded time over its corpus in fuzz/corpus/<target>. Any finding fails.
# Usage: scripts/ci-fuzz.sh [seconds per target, default 20]
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-${FUZZ_SECONDS:-20}}
build_dir=${BUILD_DIR:-build-fuzz}
scripts/deps.sh build fuzz

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_CXX_FLAGS="-fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all" \
    -DSUMWRIGHT_BUILD_UI=OFF -DSUMWRIGHT_BUILD_TESTS=OFF -DSUMWRIGHT_BUILD_FUZZ=ON >/dev/null
cmake --build "$build_dir" --parallel 2 --target fuzz_answer fuzz_count fuzz_report

export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
status=0
for target in answer count report; do
    # New inputs go to a scratch copy: the corpus in the repository stays small and reviewed.
    work=$(mktemp -d)
    log="$build_dir/fuzz_$target.log"
    if "$build_dir/fuzz/fuzz_$target" -max_total_time="$seconds" -max_len=4096 -print_final_stats=1 \
            "$work" fuzz/corpus/$target >"$log" 2>&1; then
        runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
        echo "fuzz_$target: no finding in ${seconds}s, $runs executions"
    else
        echo "fuzz_$target: FINDING (see $log)" >&2
        tail -40 "$log" >&2
        status=1
    fi
    rm -rf "$work"
done
exit $status
