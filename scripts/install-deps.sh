#!/usr/bin/env bash
# Installs the Debian 12 packages needed to build, run and test the console.
# Only packages that are missing are installed; re-running is cheap.
set -euo pipefail

PACKAGES=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools qt6-multimedia-dev qt6-serialport-dev
  libqt6svg6 qt6-qpa-plugins
  libgtest-dev libgmock-dev libbenchmark-dev
  liborcus-dev libfreexl-dev libxlsxwriter-dev libzip-dev libpugixml-dev
  fonts-liberation2 fontconfig
  poppler-utils
  libqt6sql6-sqlite
  qt6-translations-l10n qt6-l10n-tools qt6-tools-dev
  qt6-httpserver-dev qt6-websockets-dev libqrencode-dev
  dpkg-dev lintian desktop-file-utils appstream
  clang-format clang-tidy
)

missing=()
for p in "${PACKAGES[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then SUDO="sudo"; fi
echo "Installing missing packages: ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
