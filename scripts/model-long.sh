#!/usr/bin/env bash
# The model-based random test's long mode, on demand: 1,000,000 user events (or $1) for each
# seed in $2 (comma-separated; default one seed from the clock, printed so a finding can be
# replayed). A disagreement prints the seed and the shortest event sequence that reproduces it.
# Usage: scripts/model-long.sh [events] [seeds]
set -euo pipefail
cd "$(dirname "$0")/.."
events=${1:-1000000}
seeds=${2:-$(date +%s)}
scripts/deps.sh build test
scripts/build.sh >/dev/null
echo "model test: $events events for seed(s) $seeds"
# Qt Test stops a test function after five minutes unless told otherwise.
QTEST_FUNCTION_TIMEOUT=$((24 * 3600 * 1000)) QT_QPA_PLATFORM=offscreen \
    SUMWRIGHT_MODEL_EVENTS=$events SUMWRIGHT_MODEL_SEEDS=$seeds \
    "${BUILD_DIR:-build}/tests/model/tst_model" -maxwarnings 0
