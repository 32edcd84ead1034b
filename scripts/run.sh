#!/usr/bin/env bash
# Installs what is missing, builds, and launches the program.
# With no display (a server, a container, an ssh session without X forwarding) the program runs
# on a virtual X display served over VNC on localhost only; the script says how to connect.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh build run
scripts/build.sh
program="${BUILD_DIR:-build}/src/app/quorvane-sumwright"

if [[ -n "${DISPLAY:-}" || -n "${WAYLAND_DISPLAY:-}" ]]; then
    exec "$program"
fi

port=${VNC_PORT:-5900}
cat >&2 <<MSG
No display here (neither DISPLAY nor WAYLAND_DISPLAY is set), so the program cannot open a
window on this screen. Starting it on a virtual display instead, shared over VNC on this
machine only (localhost, port $port, no password: nothing outside this machine can reach it).

  Connect a VNC viewer to   localhost:$port
  From another machine:     ssh -L $port:localhost:$port $(hostname)   then connect to localhost:$port

Stop with Ctrl+C. (Qt's own "vnc" platform would also work, but it listens on every network
interface without a password, so it is not used here.)
MSG
scripts/deps.sh headless

# A display number the server picks itself, free whatever else runs on this machine.
source scripts/lib/xvfb.sh
vnc=
trap 'stop_xvfb; [[ -n $vnc ]] && kill "$vnc" 2>/dev/null; true' EXIT
start_xvfb 1024x768x24 || { echo "run.sh: Xvfb did not start" >&2; exit 1; }
# In the foreground of its own background job, so $! is this x11vnc and no other.
x11vnc -display "$XVFB_DISPLAY" -localhost -rfbport "$port" -nopw -forever -quiet \
    -o /dev/null >/dev/null 2>&1 &
vnc=$!
DISPLAY=$XVFB_DISPLAY "$program"
