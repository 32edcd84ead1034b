#!/usr/bin/env bash
# The ordinary user that the end-to-end suite's Wayland configuration runs as when the suite runs
# as root (as CI does): the compositor refuses to run as root. Made once, only if missing, and
# safe when two runs make it at the same moment. Run as anyone else, it does nothing: the suite
# then runs that configuration as the user it is.
set -euo pipefail
user=sumwright-e2e
[[ $(id -u) -eq 0 ]] || exit 0
getent passwd "$user" >/dev/null && exit 0
useradd --system --user-group --no-create-home --home-dir /nonexistent \
    --shell /usr/sbin/nologin --comment "Quorvane Sumwright end-to-end tests" "$user" \
    || getent passwd "$user" >/dev/null
