#!/usr/bin/env bash
# The scripts run on machines where other X servers and other package managers come and go:
# no script may guess a display number or give up on a held package lock, and two X servers
# started at the same moment by the shared helper each get a display of their own. A Wayland
# compositor names its socket itself, in a runtime folder of its own, and nothing names one for
# it; the end-to-end suite's ordinary user is made in one place, which tolerates a second run.
set -uo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
failures=0
fail() { printf 'FAIL: %s\n' "$*"; failures=$((failures + 1)); }

shopt -s nullglob
scripts=("$root"/scripts/*.sh "$root"/scripts/lib/*.sh "$root"/.ci/run)
for f in "${scripts[@]}"; do
    name=${f#"$root"/}
    # Lines that start an X server, without the comments.
    while IFS=: read -r line text; do
        [[ $text == *-displayfd* ]] || fail "$name:$line starts Xvfb on a display it picked: $text"
    done < <(grep -n -E '(^|[;&|(]|[[:space:]])Xvfb[[:space:]]+"?(-|:|\$)' "$f" \
        | grep -v -E '^[0-9]+:[[:space:]]*(#|echo)')
    while IFS=: read -r line text; do
        [[ $text == *Lock::Timeout* || $text == *apt_wait* ]] \
            || fail "$name:$line calls apt-get without waiting for the lock: $text"
    done < <(grep -n -E 'apt-get[[:space:]]+(-[^ ]+[[:space:]]+)*(update|install|remove|purge|upgrade)|"?\$\{?[a-z_]*\}?"?[[:space:]]+apt-get' "$f" \
        | grep -v -E '^[0-9]+:[[:space:]]*(#|echo)')
    grep -n -E 'RANDOM' "$f" | grep -v -E '^[0-9]+:[[:space:]]*#' | while IFS= read -r hit; do
        echo "FAIL: $name:$hit uses a random number"; done | grep . && failures=$((failures + 1))
    grep -n -E 'pgrep[[:space:]]+-n' "$f" && fail "$name takes a PID by name, not from the process it started"
done

# Wayland sockets named in a script or in the end-to-end suite, comments aside.
for f in "${scripts[@]}" "$root"/tests/e2e/*.py; do
    name=${f#"$root"/}
    while IFS=: read -r line text; do
        fail "$name:$line names a Wayland socket instead of taking the compositor's: $text"
    done < <(grep -n -E 'wayland-[0-9]' "$f" | grep -v -E '^[0-9]+:[[:space:]]*#')
done
for f in "${scripts[@]}"; do
    name=${f#"$root"/}
    [[ $name == scripts/e2e-user.sh ]] && continue
    while IFS=: read -r line text; do
        fail "$name:$line makes a user; scripts/e2e-user.sh does, only if missing: $text"
    done < <(grep -n -E '(^|[;&|(]|[[:space:]])(useradd|adduser)[[:space:]]' "$f" \
        | grep -v -E '^[0-9]+:[[:space:]]*(#|echo)')
done
grep -q -E '^getent passwd "\$user" >/dev/null && exit 0$' "$root/scripts/e2e-user.sh" \
    || fail "scripts/e2e-user.sh does not leave an existing user alone"

# Two servers started at once by the shared helper: two displays, both answering.
source "$root/scripts/lib/xvfb.sh"
start_xvfb 320x240x24 && first=$XVFB_DISPLAY first_pid=$XVFB_PID || fail "the first Xvfb did not start"
start_xvfb 320x240x24 && second=$XVFB_DISPLAY second_pid=$XVFB_PID || fail "the second Xvfb did not start"
if [[ -n ${first:-} && -n ${second:-} ]]; then
    [[ $first != "$second" ]] || fail "two X servers got the same display $first"
    for d in "$first" "$second"; do
        DISPLAY=$d xdpyinfo >/dev/null 2>&1 || DISPLAY=$d xwininfo -root >/dev/null 2>&1 \
            || fail "nothing answers on $d"
    done
fi
kill ${first_pid:-} ${second_pid:-} 2>/dev/null
wait 2>/dev/null

if ((failures)); then
    echo "$failures problem(s)"
    exit 1
fi
echo "scripts: displays and sockets picked by the server, apt waits for its lock, PIDs from what" \
    "was started, one place makes the test user"
