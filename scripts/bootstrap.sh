#!/usr/bin/env bash
# Installs the Debian packages Pelmora needs to build, test and run, and only those that are missing.
set -euo pipefail

packages=(
  g++ cmake make pkg-config
  qt6-base-dev libxcb1-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool xclip imagemagick x11-utils openbox
  fonts-dejavu-core
  clang libclang-rt-14-dev clang-format
  desktop-file-utils appstream lintian
  dbus-daemon python3-gi xdg-desktop-portal
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done
[ ${#missing[@]} -eq 0 ] && exit 0

echo "Installing missing packages: ${missing[*]}"
sudo_cmd=()
[ "$(id -u)" -ne 0 ] && sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive
apt_opts=(-o DPkg::Lock::Timeout=600 -y -q --no-install-recommends)
"${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=600 update -q
"${sudo_cmd[@]}" apt-get "${apt_opts[@]}" install "${missing[@]}"
