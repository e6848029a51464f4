#!/usr/bin/env bash
# Installs the Debian packages needed to build, run and test, when any is missing.
set -euo pipefail
packages=(cmake g++ make pkg-config qtbase5-dev qttools5-dev qttools5-dev-tools libhidapi-dev
          libudev-dev libx11-dev libfontconfig-dev xvfb xauth fonts-dejavu-core umockdev libumockdev-dev
          libxcb1-dev openbox x11-apps x11-utils
          xdotool imagemagick x11-xserver-utils python3 dpkg-dev desktop-file-utils appstream
           clang libclang-rt-14-dev libtsan2 trayer
           groff-base zsh zlib1g-dev build-essential debhelper lintian
           libglib2.0-dev libxi-dev gsettings-desktop-schemas dbus-daemon weston xwayland qtwayland5)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  sudo=""
  [ "$(id -u)" -eq 0 ] || sudo="sudo"
  $sudo apt-get update -qq || true
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
fi
