#!/usr/bin/env bash
# Installs what is missing, builds, and launches the program.
set -euo pipefail
cd "$(dirname "$0")/.."
echo "The windows are not built yet: nothing to launch. scripts/test.sh runs the tests." >&2
exit 1
