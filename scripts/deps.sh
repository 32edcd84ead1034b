#!/usr/bin/env bash
# Installs the Debian packages this project needs, and only those that are missing.
# Every Debian package any script of this project needs is installed here and nowhere else.
# Usage: scripts/deps.sh [build|test|run|headless|package|fuzz|trace|bench|e2e|debootstrap|screenshots]...
#        (build is always included)
set -euo pipefail

build=(cmake ninja-build g++ pkg-config qt6-base-dev qt6-base-dev-tools qt6-svg-dev libgl-dev libxcb-xkb-dev
       qt6-tools-dev qt6-l10n-tools fonts-dejavu-core fonts-liberation2)
# The command-line test starts the program on the Wayland plug-in with no compositor there; the
# language tests draw Chinese, Japanese, Korean and Devanagari in Noto's faces.
test=(libgtest-dev libicu-dev libbenchmark-dev xauth xvfb x11-utils qt6-translations-l10n qt6-wayland
      fonts-noto-cjk fonts-noto-core)
run=(qt6-qpa-plugins qt6-wayland xdg-utils qt6-translations-l10n)
headless=(xvfb x11vnc xauth)
# The package check also starts the installed program on Xvfb and looks for its window.
package=(dpkg-dev file desktop-file-utils appstream xvfb xauth x11-utils lintian man-db)
fuzz=(clang libclang-rt-14-dev)
trace=(strace)
# The start-up is measured in Japanese and Arabic too, in the faces their users have.
bench=(libbenchmark-dev libx11-dev libxdamage-dev libxtst-dev xvfb openbox fonts-noto-cjk fonts-noto-core)
# The end-to-end suite: X servers with and without a window manager, input through XTest, the
# screen and the accessibility bus read back from Python, a private D-Bus session; and a headless
# Wayland compositor (sway), the program's Wayland platform, the screen copied with grim, the
# virtual keyboard's key map made by libxkbcommon, and useradd for the ordinary user that this
# configuration runs as under root.
e2e=(xvfb openbox qt6-qpa-plugins python3 python3-xlib python3-pyatspi at-spi2-core dbus-daemon
     sway qt6-wayland grim libxkbcommon0 passwd)
debootstrap=(debootstrap)
screenshots=(xvfb xauth xdotool x11-apps imagemagick)

wanted=("${build[@]}")
for need in "$@"; do
    case "$need" in
        build) ;;
        test) wanted+=("${test[@]}") ;;
        run) wanted+=("${run[@]}") ;;
        headless) wanted+=("${headless[@]}") ;;
        package) wanted+=("${package[@]}") ;;
        fuzz) wanted+=("${fuzz[@]}") ;;
        trace) wanted+=("${trace[@]}") ;;
        bench) wanted+=("${bench[@]}") ;;
        e2e) wanted+=("${e2e[@]}") ;;
        debootstrap) wanted+=("${debootstrap[@]}") ;;
        screenshots) wanted+=("${screenshots[@]}") ;;
        *) echo "deps.sh: unknown need '$need'" >&2; exit 2 ;;
    esac
done

missing=()
for p in "${wanted[@]}"; do
    status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$p" 2>/dev/null || true)
    [[ "$status" == ii* ]] || missing+=("$p")
done
[[ ${#missing[@]} -eq 0 ]] && exit 0

echo "Installing: ${missing[*]}"
sudo=()
[[ $(id -u) -eq 0 ]] || sudo=(sudo)
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get -o DPkg::Lock::Timeout=300 update -qq
"${sudo[@]}" apt-get -o DPkg::Lock::Timeout=300 install -y -qq --no-install-recommends "${missing[@]}"
