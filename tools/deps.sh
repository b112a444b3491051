#!/usr/bin/env bash
# Installs the Debian 12 packages that building, running and testing Lifetally need.
# Only missing packages are installed; uses sudo when not run as root.
set -euo pipefail

packages=(cmake g++ make ninja-build qt6-base-dev qt6-charts-dev qt6-svg-dev libqt6opengl6-dev
          qt6-wayland xvfb xauth fonts-liberation2 fonts-dejavu-core poppler-utils desktop-file-utils appstream
          dpkg-dev file qt6-tools-dev qt6-l10n-tools qt6-translations-l10n)
# qt6-tools-dev holds the CMake side of the translation tools (qt_add_translations), qt6-l10n-tools
# lupdate and lrelease, qt6-translations-l10n Qt's own dialogs in the user's language.
packages+=("$@")

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "Please run as root or install sudo." >&2; exit 1; }
  sudo_cmd=(sudo)
fi
# Another install (a second build started at the same time) holds the lock for a while: wait for it.
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 update -qq
"${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 install -y -qq --no-install-recommends "${missing[@]}"
