#!/usr/bin/env bash
# Installs the built .deb into a fresh, minimal Debian 12 tree and runs the program there, so a
# run-time dependency that the package forgets to declare cannot hide behind packages this
# machine happens to have. On demand, not in CI: it downloads a base system (about 150 MB).
# Needs root. Run scripts/ci-package.sh (or cpack) first.
#   BUILD_DIR  where the .deb is (default build-package); the tree goes to $BUILD_DIR/bookworm-root
#   MIRROR     Debian mirror (default: the first one this machine's apt uses)
# The freshly bootstrapped tree is kept as $BUILD_DIR/bookworm-base.tar.gz and unpacked anew for
# every run, so each run starts from an untouched base system; delete the archive to refresh it.
set -euo pipefail
cd "$(dirname "$0")/.."
build_dir=$(realpath "${BUILD_DIR:-build-package}")
package=quorvane-sumwright
tree=$build_dir/bookworm-root
base=$build_dir/bookworm-base.tar.gz

fail() { printf 'FAIL: %s\n' "$*" >&2; exit 1; }
[[ $(id -u) -eq 0 ]] || fail "run as root (debootstrap and chroot need it)"
debs=("$build_dir"/${package}_*.deb)
[[ -f ${debs[0]} ]] || fail "no ${package}_*.deb in $build_dir: run scripts/ci-package.sh first"
deb=${debs[0]}

if [[ -z ${MIRROR:-} ]]; then
    MIRROR=$(grep -hs -E '^(URIs:|deb) ' /etc/apt/sources.list /etc/apt/sources.list.d/*.list \
        /etc/apt/sources.list.d/*.sources | grep -m1 -o 'https\?://[^ ]*/debian\b' || true)
    MIRROR=${MIRROR:-http://deb.debian.org/debian}
fi
scripts/deps.sh debootstrap

mounted=()
cleanup() {
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do umount -l "${mounted[i]}" 2>/dev/null || true; done
    rm -rf "$tree"
}
trap cleanup EXIT

rm -rf "$tree"
if [[ ! -f $base ]]; then
    echo "== debootstrap bookworm from $MIRROR"
    debootstrap --variant=minbase bookworm "$tree" "$MIRROR"
    tar -C "$tree" -czf "$base.part" . && mv "$base.part" "$base"
else
    echo "== unpacking the base system $base"
    mkdir -p "$tree"
    tar -C "$tree" -xzf "$base"
fi

for fs in proc sys dev dev/pts; do
    mount --bind "/$fs" "$tree/$fs"
    mounted+=("$tree/$fs")
done
cp /etc/resolv.conf "$tree/etc/resolv.conf" 2>/dev/null || true
cp "$deb" "$tree/tmp/"
in_tree() { chroot "$tree" /usr/bin/env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root \
    DEBIAN_FRONTEND=noninteractive "$@"; }

echo "== apt-get install ./$(basename "$deb") in the fresh tree, declared dependencies only"
in_tree apt-get -o DPkg::Lock::Timeout=300 update -qq
# Without recommended packages: what Depends lists must be enough to run.
in_tree apt-get -o DPkg::Lock::Timeout=300 install -y -qq --no-install-recommends "/tmp/$(basename "$deb")"

echo "== every library the program and Qt's platform plug-ins need is there"
missing=$(in_tree sh -c "ldd /usr/bin/$package /usr/lib/*/qt6/plugins/platforms/*.so" | grep 'not found' || true)
[[ -z $missing ]] || fail "missing libraries: $missing"

echo "== the program runs offscreen"
set +e
in_tree sh -c "mkdir -p -m 0700 /tmp/runtime && QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=/tmp/runtime timeout 5 /usr/bin/$package"
rc=$?
set -e
[[ $rc -eq 124 ]] || fail "the program ended by itself in the fresh tree (exit $rc)"
echo "still running after 5 s"

echo "== the main window appears on an X server (xcb plug-in)"
in_tree apt-get -o DPkg::Lock::Timeout=300 install -y -qq --no-install-recommends xvfb x11-utils >/dev/null
in_tree sh -c '
    # The tree shares the abstract X sockets of this machine: the server picks a free display.
    Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>/tmp/display >/dev/null 2>&1 & xvfb=$!
    i=0; until [ -s /tmp/display ]; do i=$((i+1)); [ $i -lt 100 ] || exit 3; sleep 0.1; done
    export DISPLAY=:$(cat /tmp/display) XDG_RUNTIME_DIR=/tmp/runtime QT_QPA_PLATFORM=xcb
    /usr/bin/'$package' & program=$!
    i=0; rc=1
    while kill -0 $program 2>/dev/null && [ $i -lt 300 ]; do
        if xwininfo -name "Quorvane Sumwright" 2>/dev/null | grep -q IsViewable; then rc=0; break; fi
        i=$((i+1)); sleep 0.1
    done
    kill $program $xvfb 2>/dev/null; exit $rc' || fail "no main window on the X server"
echo "main window shown"

echo "== fonts the windows get without the recommended fonts-liberation2"
in_tree fc-match Arial
in_tree fc-match "Times New Roman"

echo "== removal leaves nothing"
mapfile -t owned < <(in_tree dpkg -L $package)
in_tree apt-get -o DPkg::Lock::Timeout=300 remove -y -qq $package
for path in "${owned[@]}"; do
    [[ -d $tree$path ]] && continue
    [[ ! -e $tree$path ]] || fail "left behind: $path"
done

echo "Fresh Debian 12 check passed: $(basename "$deb")"
