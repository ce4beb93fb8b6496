#!/usr/bin/env bash
# Installs every Debian 12 package the app, its services, tools and tests need;
# with --benchmarks also what only scripts/benchmarks.sh uses.
# Safe to run again: apt skips what is already there.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build ccache pkg-config git clang-format
  qt6-base-dev qt6-base-dev-tools qt6-declarative-dev qt6-declarative-dev-tools
  qt6-multimedia-dev qt6-sensors-dev qt6-positioning-dev
  qt6-websockets-dev qt6-svg-dev qt6-tools-dev qt6-tools-dev-tools qt6-l10n-tools
  qt6-qpa-plugins libqt6positioning6-plugins libqt6svg6 qt6-image-formats-plugins
  qml6-module-qtquick qml6-module-qtquick-controls qml6-module-qtquick-window
  qml6-module-qtquick-layouts qml6-module-qtquick-templates qml6-module-qtqml-workerscript
  qml6-module-qtquick-shapes qml6-module-qtmultimedia qml6-module-qtqml
  qml6-module-qt5compat-graphicaleffects qml6-module-qtquick-dialogs
  libopencv-dev opencv-data
  libpulse-dev pulseaudio pulseaudio-utils
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good
  sox libsox-fmt-mp3 ffmpeg
  faketime dbus dbus-user-session
  tzdata
  fonts-open-sans fonts-wqy-microhei fontconfig
  desktop-file-utils appstream lintian dpkg-dev fakeroot file libcap2-bin util-linux systemd
  xvfb xauth at-spi2-core python3 python3-pyatspi
)

# Only for the benchmarks: GNOME Clocks, the start-up figures' yardstick, and
# the profilers that explain a missed target.
BENCHMARK_PACKAGES=(gnome-clocks linux-perf heaptrack)
[ "${1:-}" = --benchmarks ] && PACKAGES+=("${BENCHMARK_PACKAGES[@]}")

missing=()
for p in "${PACKAGES[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -eq 0 ]; then
  echo "install-deps: all packages present"
  exit 0
fi
echo "install-deps: installing ${missing[*]}"
SUDO=""
[ "$(id -u)" -eq 0 ] || SUDO="sudo"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
