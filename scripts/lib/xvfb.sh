# Sourced by the scripts that need a private X server. Other X servers may run on the same
# machine, started and stopped at any moment: the server picks a free display number itself
# (-displayfd) and reports it once it accepts connections, so no number is ever guessed.
#   start_xvfb WxHxD [log]   sets XVFB_PID and XVFB_DISPLAY (":N"); returns 1 if it fails
#   stop_xvfb
start_xvfb() {
    local screen=$1 log=${2:-/dev/null} numfile
    numfile=$(mktemp)
    Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$numfile" >>"$log" 2>&1 &
    XVFB_PID=$!
    XVFB_DISPLAY=
    local _
    for _ in $(seq 150); do
        if [[ -s $numfile ]] && grep -q . "$numfile"; then
            XVFB_DISPLAY=:$(tr -d '[:space:]' <"$numfile")
            break
        fi
        kill -0 "$XVFB_PID" 2>/dev/null || break
        sleep 0.1
    done
    rm -f "$numfile"
    if [[ -z $XVFB_DISPLAY ]]; then
        kill "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=
        return 1
    fi
}

stop_xvfb() {
    if [[ -n ${XVFB_PID:-} ]]; then
        kill "$XVFB_PID" 2>/dev/null || true
        wait "$XVFB_PID" 2>/dev/null || true
        XVFB_PID=
    fi
}
