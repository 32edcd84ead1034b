#!/usr/bin/env bash
# Builds the benchmarks into build-bench/ (or $BENCH_BUILD_DIR) and runs them: start-up against
# the toolkit floor, per-answer latency against the floor, and the generators. The Qt programs
# run offscreen and, when Xvfb is installed, on a private X server as well. Everything the
# programs write stays inside the build directory.
# Usage: scripts/bench.sh            (BENCH_ROUNDS=20 start-up rounds per platform by default)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(realpath -m "${BENCH_BUILD_DIR:-build-bench}")
rounds=${BENCH_ROUNDS:-20}

cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSUMWRIGHT_BUILD_BENCH=ON \
    -DSUMWRIGHT_BUILD_TESTS=OFF >/dev/null
cmake --build "$build_dir" --parallel 2 \
    --target startup_compare startup_floor startup_probe answer_latency generators_bench >/dev/null
bench=$build_dir/bench

# Qt and fontconfig look for a runtime, cache and config home; give them ones in the build tree.
run_home=$build_dir/bench-home
mkdir -p "$run_home"/{runtime,cache,config,data}
chmod 700 "$run_home/runtime"
export XDG_RUNTIME_DIR=$run_home/runtime XDG_CACHE_HOME=$run_home/cache
export XDG_CONFIG_HOME=$run_home/config XDG_DATA_HOME=$run_home/data
log=$build_dir/bench.log
: >"$log"

run_qt() { # platform: start-up comparison, then per-answer latency
    local platform=$1
    echo
    "$bench/startup_compare" "$rounds" "$platform" "$bench/startup_probe" "$bench/startup_floor"
    echo
    if ! "$bench/answer_latency" 2>>"$log"; then
        echo "answer_latency failed on $platform; see $log" >&2
        return 1
    fi
}

echo "== Qt programs, offscreen"
QT_QPA_PLATFORM=offscreen run_qt offscreen

source scripts/lib/xvfb.sh
trap stop_xvfb EXIT
if command -v Xvfb >/dev/null; then
    if start_xvfb 1280x1024x24 "$log"; then
        echo
        echo "== Qt programs, X (Xvfb $XVFB_DISPLAY)"
        DISPLAY=$XVFB_DISPLAY QT_QPA_PLATFORM=xcb run_qt xcb
        stop_xvfb
    else
        echo "Xvfb did not start; X run skipped"
    fi
else
    echo "Xvfb not installed; X run skipped"
fi

echo
echo "== generators and answer check"
csv=$build_dir/bench/generators.csv
"$bench/generators_bench" --benchmark_min_time=0.05 --benchmark_counters_tabular=true \
    --benchmark_out="$csv" --benchmark_out_format=csv 2>>"$log"
# The CSV starts after Google Benchmark's context lines, at the header that names the columns.
awk -F, '
    /^name,/ { started = 1; next }
    !started { next }
    $1 ~ /BM_(Arithmetic|NumberSeries|AlphabetSeries|AlphaNumericSeries)/ {
        n++; t = $4 + 0; if (t > worst) { worst = t; which = $1 }
        if ($9 == "true") errors++
    }
    END {
        printf "generators: %d cases, slowest %.0f ns per question (%s), target < 1000 ns: %s\n",
            n, worst, which, worst < 1000 ? "holds" : "MISSED"
        printf "generators: allocation beyond the question text in %d cases: %s\n",
            errors, errors == 0 ? "holds" : "MISSED"
    }' "$csv"
