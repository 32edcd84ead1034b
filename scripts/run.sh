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

# The first free X display number.
display=99
while [[ -e /tmp/.X11-unix/X$display || -e /tmp/.X$display-lock ]]; do display=$((display + 1)); done
Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
trap 'kill $xvfb ${vnc:-} 2>/dev/null || true' EXIT
for _ in $(seq 50); do [[ -e /tmp/.X11-unix/X$display ]] && break; sleep 0.1; done
x11vnc -display ":$display" -localhost -rfbport "$port" -nopw -forever -quiet -bg \
    -o /dev/null >/dev/null 2>&1
vnc=$(pgrep -n x11vnc || true)
DISPLAY=":$display" "$program"
