#!/usr/bin/env bash
# The program reads and writes no files. Runs one whole user session (tests/model/tst_session:
# start, a test, the result, both About windows, Exit) under strace, with HOME and the XDG
# directories pointed at an empty scratch tree, and fails on any file created, renamed,
# removed, linked, truncated or opened for writing, except what the toolkit itself keeps:
#   - $XDG_RUNTIME_DIR: Qt creates it (mode 0700) when the session has none; a desktop
#     session always has one, so there it is not even this.
#   - $XDG_CACHE_HOME/fontconfig: fontconfig's font cache, written only when the system's
#     cache is missing or stale.
#   - /dev/*: device nodes (the null device, terminals), not files.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=${BUILD_DIR:-build-model}
scripts/deps.sh build test trace

if [[ ! -f "$build_dir/build.ninja" ]]; then
    cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
fi
cmake --build "$build_dir" --parallel 2 --target tst_session >/dev/null

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
trace="$scratch/trace"
env HOME="$scratch/home" XDG_CACHE_HOME="$scratch/cache" XDG_CONFIG_HOME="$scratch/config" \
    XDG_DATA_HOME="$scratch/data" XDG_STATE_HOME="$scratch/state" XDG_RUNTIME_DIR="$scratch/runtime" \
    QT_QPA_PLATFORM=offscreen \
    strace -f -qq -o "$trace" \
    -e trace=open,openat,openat2,creat,rename,renameat,renameat2,unlink,unlinkat,rmdir,mkdir,mkdirat,truncate,link,linkat,symlink,symlinkat \
    "$build_dir/tests/model/tst_session" >"$scratch/session.log" 2>&1 \
    || { cat "$scratch/session.log" >&2; echo "check-no-writes: the session itself failed" >&2; exit 1; }

# Successful calls that write: opens with a write or create flag, and every call that changes
# the directory tree.
writes=$(grep -E 'O_WRONLY|O_RDWR|O_CREAT|O_TRUNC|O_APPEND|creat\(|rename|unlink|rmdir|mkdir|truncate|link\(|linkat\(|symlink' "$trace" \
    | grep -v '= -1 ' \
    | grep -v -E "\"$scratch/runtime\"|\"$scratch/cache/fontconfig(/[^\"]*)?\"|\"/dev/" || true)
calls=$(wc -l <"$trace")
if [[ -n "$writes" ]]; then
    echo "check-no-writes: the program wrote files:" >&2
    echo "$writes" >&2
    exit 1
fi
echo "check-no-writes: no file written ($calls file-system calls traced)"
