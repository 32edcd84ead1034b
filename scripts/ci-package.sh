#!/usr/bin/env bash
# Builds the Debian package and checks it the way a user meets it: the desktop entry and the
# metainfo validate, `cmake --install` puts every file in its place, lintian finds no error or
# warning in the .deb, it installs with apt, the installed program answers --version without a
# display, its manual page is found, it starts and shows its main window, and removing the
# package leaves no file behind. Installs and removes the package on this machine: run it as
# root (or with sudo).
#   BUILD_DIR  build directory (default build-package)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
build_dir=${BUILD_DIR:-build-package}
app_id=example.quorvane.Sumwright
package=quorvane-sumwright

sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
# Another apt may hold the package lock on a shared machine: wait for it instead of failing.
apt_wait=(-o DPkg::Lock::Timeout=300)
source scripts/lib/xvfb.sh

step() { printf '\n== %s\n' "$*"; }
fail() { printf 'FAIL: %s\n' "$*" >&2; exit 1; }

step "Build dependencies"
scripts/deps.sh build package

step "Build and package in $build_dir"
cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_INSTALL_PREFIX=/usr \
    -DSUMWRIGHT_BUILD_TESTS=OFF >/dev/null
cmake --build "$build_dir" --parallel "$(nproc)"
rm -f "$build_dir"/${package}_*.deb
(cd "$build_dir" && cpack -G DEB)
debs=("$build_dir"/${package}_*.deb)
[[ ${#debs[@]} -eq 1 && -f ${debs[0]} ]] || fail "expected exactly one .deb in $build_dir"
deb=$(realpath "${debs[0]}")
dpkg-deb --info "$deb"
dpkg-deb -f "$deb" Depends | grep -q 'libqt6widgets6' \
    || fail "the package's dependencies were not computed from its libraries"

step "Validate the desktop entry and the metainfo"
desktop-file-validate packaging/$app_id.desktop
appstreamcli validate --no-net packaging/$app_id.metainfo.xml

step "cmake --install into a staging tree"
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
DESTDIR=$stage cmake --install "$build_dir" >/dev/null
for f in bin/$package \
         share/applications/$app_id.desktop \
         share/metainfo/$app_id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$package.svg \
         share/icons/hicolor/48x48/apps/$package.png \
         share/man/man1/$package.1.gz \
         share/doc/$package/copyright \
         share/doc/$package/changelog.Debian.gz; do
    [[ -s $stage/usr/$f ]] || fail "cmake --install did not install /usr/$f"
done
file -b "$stage/usr/share/icons/hicolor/48x48/apps/$package.png" | grep -q '^PNG image data, 48 x 48' \
    || fail "the 48x48 icon is not a 48x48 PNG"
# The whole tree as a software centre reads it: metainfo, its desktop entry and the icon.
appstreamcli validate-tree --no-net "$stage"

step "lintian"
# Errors and warnings fail; what stays at the information level is explained in the README.
lintian --tag-display-limit 0 --info --fail-on error,warning "$deb"
dpkg-deb -c "$deb" | grep -q " ./usr/share/man/man1/$package.1.gz$" \
    || fail "the package holds no manual page"

step "Install the package with apt"
if dpkg-query -W -f='${db:Status-Abbrev}' $package 2>/dev/null | grep -q '^ii'; then
    "${sudo[@]}" apt-get "${apt_wait[@]}" remove -y -qq $package
fi
"${sudo[@]}" apt-get "${apt_wait[@]}" install -y -qq "$deb"
[[ -x /usr/bin/$package ]] || fail "/usr/bin/$package is not installed"
mapfile -t owned < <(dpkg -L $package)
[[ $(man -w $package) == /usr/share/man/man1/$package.1.gz ]] || fail "man does not find $package(1)"
version=$(env -u DISPLAY -u WAYLAND_DISPLAY /usr/bin/$package --version)
echo "$version"
[[ $version == "Quorvane Sumwright "* ]] || fail "--version printed: $version"

step "The installed program starts"
# Offscreen, as on a server: it must still be running after a while, not have crashed or
# failed to load a plug-in. (timeout ends it with 124 when it is still running.)
set +e
QT_QPA_PLATFORM=offscreen timeout 3 /usr/bin/$package
rc=$?
set -e
[[ $rc -eq 124 ]] || fail "the program ended by itself under the offscreen platform (exit $rc)"
echo "offscreen: still running after 3 s"

# On a virtual X server of its own, with the xcb plug-in a desktop uses: wait until the main
# window is mapped, then end the program. No fixed delay: the wait ends as soon as the window is there.
start_xvfb 1280x1024x24 || fail "Xvfb did not start"
display=$XVFB_DISPLAY
trap 'stop_xvfb; rm -rf "$stage"' EXIT
DISPLAY=$display QT_QPA_PLATFORM=xcb /usr/bin/$package &
program=$!
found=
for _ in $(seq 300); do
    kill -0 $program 2>/dev/null || fail "the program ended before showing its main window"
    if DISPLAY=$display xwininfo -name "Quorvane Sumwright" 2>/dev/null | grep -q 'Map State: IsViewable'; then
        found=yes
        break
    fi
    sleep 0.1
done
[[ -n $found ]] || fail "no viewable window titled \"Quorvane Sumwright\" within 30 s"
DISPLAY=$display xwininfo -name "Quorvane Sumwright" | grep -E 'Width|Height'
# A dock finds the desktop entry, and its icon, through WM_CLASS: its class part is the entry's
# StartupWMClass. (On Wayland the entry's file name is the window's app id.)
wm_class=$(DISPLAY=$display xprop -name "Quorvane Sumwright" WM_CLASS)
echo "$wm_class"
startup_class=$(sed -n 's/^StartupWMClass=//p' /usr/share/applications/$app_id.desktop)
[[ $wm_class == *", \"$startup_class\"" ]] \
    || fail "WM_CLASS is $wm_class, the desktop entry says StartupWMClass=$startup_class"
# Read whole before matching: grep -q would stop reading early, and under pipefail the
# writer's broken pipe would count as no icon.
icons=$(DISPLAY=$display xprop -name "Quorvane Sumwright" _NET_WM_ICON)
grep -q 'Icon (48 x 48)' <<<"$icons" || fail "the main window carries no 48x48 icon"
kill $program
wait $program 2>/dev/null || true
echo "xcb: main window shown"

step "Remove the package"
"${sudo[@]}" apt-get "${apt_wait[@]}" remove -y -qq $package
left=()
for path in "${owned[@]}"; do
    [[ $path == /. ]] && continue
    if [[ -d $path && ! -L $path ]]; then
        # A directory may stay when another package shares it or it still holds other files.
        if [[ -z $(ls -A "$path") ]] && ! dpkg -S "$path" >/dev/null 2>&1; then
            left+=("$path/")
        fi
    elif [[ -e $path || -L $path ]]; then
        left+=("$path")
    fi
done
[[ ${#left[@]} -eq 0 ]] || fail "left behind after removal: ${left[*]}"
dpkg-query -W -f='${db:Status-Abbrev}' $package 2>/dev/null | grep -q '^ii' \
    && fail "the package is still installed"
echo "removed: none of its ${#owned[@]} paths is left"

printf '\nPackage check passed: %s\n' "$(basename "$deb")"
