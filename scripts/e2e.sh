#!/usr/bin/env bash
# The end-to-end suite (tests/e2e): the built program as a person meets it, on display servers of
# its own (an X server bare, one under openbox, and a headless Wayland compositor), keys and
# clicks sent through the server's own input emulation, judged by the screen's pixels and by what
# it tells the accessibility bus. One line per scenario; nothing is retried. Builds the program
# first if needed. Run as root, the Wayland configuration runs as an ordinary user of its own.
#   BUILD_DIR  the build to test (default build)
#   extra arguments go to tests/e2e/run.py: --only TEXT, --config no-wm|openbox|wayland, --out DIR
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build e2e
scripts/e2e-user.sh
build_dir=${BUILD_DIR:-build}
if [[ -f $build_dir/build.ninja ]]; then
    cmake --build "$build_dir" --target quorvane-sumwright >/dev/null
else
    BUILD_DIR=$build_dir scripts/build.sh >/dev/null
fi
# Debian's own Python, which has the X and AT-SPI bindings installed above, and a D-Bus
# session of its own, where the accessibility bus starts on demand and ends with the suite.
# The bus daemons' start-up chatter is left out of the log; anything else on stderr stays.
# The suite reads the English texts byte for byte, whatever this machine's language.
unset LANGUAGE LC_ALL LC_MESSAGES
export LANG=C.UTF-8
# The accessibility bus puts its socket under XDG_RUNTIME_DIR, or else under the home folder,
# where two suites running at once on one machine would share it and each find the other's
# programs; this suite's bus lives and dies with it.
runtime=$(mktemp -d "${TMPDIR:-/tmp}/sumwright-e2e-runtime.XXXXXX")
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR=$runtime
chatter='^dbus-daemon\[|^SpiRegistry daemon is running'
set +e
dbus-run-session -- /usr/bin/python3 tests/e2e/run.py "$build_dir/src/app/quorvane-sumwright" "$@" \
    2>&1 | grep --line-buffered -v -E "$chatter"
exit "${PIPESTATUS[0]}"
