#!/usr/bin/env bash
# Installs the Debian packages the converter needs to build, run and test.
# Only what is missing is installed; the package index is refreshed once.
set -euo pipefail

PACKAGES=(
  g++ make cmake pkg-config git
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev libqt6svg6-dev
  qt6-qpa-plugins libgl-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  ffmpeg xvfb xauth
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-libav
  fonts-dejavu-core locales util-linux
)

missing=()
for pkg in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$pkg")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing missing packages: ${missing[*]}"
SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  SUDO="sudo"
fi
$SUDO apt-get update
DEBIAN_FRONTEND=noninteractive $SUDO apt-get install -y --no-install-recommends "${missing[@]}"
