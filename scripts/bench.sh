#!/usr/bin/env bash
# Builds the benchmarks into build-bench/ (or $BENCH_BUILD_DIR) and runs them:
#  - start-up as a person sees it: the program and its toolkit floor, alternately, each watched
#    from outside on a private X server until its window is mapped and until it is drawn;
#  - per answer as a person sees it: answers typed through the X server (XTEST), each timed to
#    the next question's pixels, against the floor typed into the same way;
#  both without a window manager and under openbox; then the in-process probes (offscreen, for
#  profiling) and the generators. Everything the programs write stays inside the build directory.
# Usage: scripts/bench.sh   (BENCH_ROUNDS=30 start-up rounds, BENCH_ANSWERS=1000 answers,
#        BENCH_LANGUAGES="C.UTF-8 de_DE.UTF-8 ar_EG.UTF-8 ja_JP.UTF-8": the start-up is measured
#        in each; a translation, a right-to-left window and another script each cost something)
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(realpath -m "${BENCH_BUILD_DIR:-build-bench}")
rounds=${BENCH_ROUNDS:-30}
answers=${BENCH_ANSWERS:-1000}
read -r -a languages <<<"${BENCH_LANGUAGES:-C.UTF-8 de_DE.UTF-8 ar_EG.UTF-8 ja_JP.UTF-8}"

scripts/deps.sh build bench
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DSUMWRIGHT_BUILD_BENCH=ON \
    -DSUMWRIGHT_BUILD_TESTS=OFF >/dev/null
cmake --build "$build_dir" --parallel 2 --target quorvane-sumwright startup_screen startup_floor \
    answer_screen answer_floor startup_compare startup_probe answer_latency generators_bench \
    >/dev/null
bench=$build_dir/bench
program=$build_dir/src/app/quorvane-sumwright

# Qt and fontconfig look for a runtime, cache and config home; give them ones in the build tree.
run_home=$build_dir/bench-home
mkdir -p "$run_home"/{runtime,cache,config,data}
chmod 700 "$run_home/runtime"
export XDG_RUNTIME_DIR=$run_home/runtime XDG_CACHE_HOME=$run_home/cache
export XDG_CONFIG_HOME=$run_home/config XDG_DATA_HOME=$run_home/data
log=$build_dir/bench.log
: >"$log"

source scripts/lib/xvfb.sh
wm_pid=
stop_x() {
    [[ -n $wm_pid ]] && kill "$wm_pid" 2>/dev/null && wait "$wm_pid" 2>/dev/null
    wm_pid=
    stop_xvfb
}
trap stop_x EXIT

# A private X server; the screen leaves room for the per-answer floor beside the program's
# windows.
start_xvfb 1600x1200x24 "$log" || { echo "Xvfb did not start; see $log" >&2; exit 1; }
export DISPLAY=$XVFB_DISPLAY QT_QPA_PLATFORM=xcb

on_screen() { # label
    local language
    for language in "${languages[@]}"; do
        echo
        (unset LANGUAGE LC_ALL LC_MESSAGES; export LANG=$language
         "$bench/startup_screen" "$rounds" "$1, LANG=$language" "$program" "$bench/startup_floor")
    done
    echo
    "$bench/answer_screen" "$answers" "$1" "$program" "$bench/answer_floor"
}

echo "== as a person sees it: Xvfb $DISPLAY, two cores shared with whatever else runs"
on_screen "Xvfb, no window manager"
openbox --sm-disable >>"$log" 2>&1 &
wm_pid=$!
sleep 1
on_screen "Xvfb, openbox"
stop_x
unset DISPLAY

echo
echo "== in the process, offscreen (first Paint event, teardown included; for profiling)"
export QT_QPA_PLATFORM=offscreen
"$bench/startup_compare" "$rounds" offscreen "$bench/startup_probe" "$bench/startup_floor"
echo
if ! "$bench/answer_latency" 2>>"$log"; then
    echo "answer_latency failed; see $log" >&2
    exit 1
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
