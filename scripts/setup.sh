# SPDX-License-Identifier: GPL-3.0-or-later
# Shared by ./play and ./check: installs what the build needs (Debian 12
# packages), then configures and builds. Quick when nothing changed.
set -euo pipefail

WILDCREST_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
WILDCREST_BUILD=${WILDCREST_BUILD:-$WILDCREST_ROOT/build}

wildcrest_packages=(
  cmake g++ make pkg-config
  qt6-base-dev libgl-dev qt6-wayland weston
  libqt6sql6-sqlite qt6-charts-dev libqt6opengl6-dev
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-liberation
  libcanberra-dev libasound2-dev sound-theme-freedesktop
  libspeechd-dev speech-dispatcher
  libsdl2-dev
  clang libclang-rt-14-dev
  xvfb xdotool x11-utils x11-xserver-utils imagemagick
  dbus-daemon at-spi2-core python3-pyatspi
  appstream desktop-file-utils groff-base dpkg-dev lintian
)

wildcrest_install() {
  local missing=()
  for p in "${wildcrest_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo=sudo
  $sudo apt-get update -qq
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

wildcrest_build() {
  if [ ! -f "$WILDCREST_BUILD/CMakeCache.txt" ]; then
    cmake -S "$WILDCREST_ROOT" -B "$WILDCREST_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo "$@"
  fi
  cmake --build "$WILDCREST_BUILD" -j"$(nproc)"
}

# The libFuzzer targets only, built by clang in their own build folder.
wildcrest_build_fuzzers() {
  if [ ! -f "$WILDCREST_BUILD/CMakeCache.txt" ]; then
    CC=clang CXX=clang++ cmake -S "$WILDCREST_ROOT" -B "$WILDCREST_BUILD" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DWILDCREST_FUZZ=ON "$@"
  fi
  cmake --build "$WILDCREST_BUILD" -j"$(nproc)" --target wildcrest_fuzzers
}
