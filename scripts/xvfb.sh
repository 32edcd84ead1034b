# Sourced by scripts that need a virtual X server. Starts Xvfb on a display number the server
# picks itself (-displayfd), so scripts running side by side never collide, and waits until it
# accepts clients.
#   start_xvfb [WxHxD]   sets XVFB_PID and XVFB_DISPLAY (":N"); stop it with stop_xvfb
start_xvfb() {
    local screen=${1:-1280x1024x24} number_file
    number_file=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$number_file" >/dev/null 2>&1 &
    XVFB_PID=$!
    for _ in $(seq 200); do
        [[ -s $number_file ]] && break
        kill -0 "$XVFB_PID" 2>/dev/null || { rm -f "$number_file"; echo "Xvfb did not start" >&2; return 1; }
        sleep 0.05
    done
    XVFB_DISPLAY=:$(head -n1 "$number_file")
    rm -f "$number_file"
    [[ $XVFB_DISPLAY != : ]] || { echo "Xvfb gave no display number" >&2; return 1; }
}

stop_xvfb() {
    [[ -n ${XVFB_PID:-} ]] && kill "$XVFB_PID" 2>/dev/null && wait "$XVFB_PID" 2>/dev/null
    XVFB_PID=
    return 0
}
