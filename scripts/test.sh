#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the suites under CTest (offscreen),
# then the end-to-end suite on real X servers.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build test
scripts/build.sh
(cd "${BUILD_DIR:-build}" && QT_QPA_PLATFORM=offscreen ctest --output-on-failure --parallel "$(nproc)")
scripts/e2e.sh
