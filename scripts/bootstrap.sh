#!/usr/bin/env bash
# Installs the Debian packages Pelmora needs, and only those that are missing.
#
# usage: scripts/bootstrap.sh [run|test]
#   run   what building the program and running it need (`make run`)
#   test  those and everything the tests, benchmarks, fuzzers and packaging checks use (`make test`;
#         the default)
set -euo pipefail

# The compiler and CMake, Qt (its X11 platform plugin comes with it) and its Wayland platform plugin,
# the X11 headers of the display check and the screen picker, and one font so that a bare machine
# shows text.
run_packages=(
  g++ cmake make pkg-config
  qt6-base-dev qt6-wayland libxcb1-dev libx11-dev
  fonts-dejavu-core
)
# GoogleTest and Google Benchmark; a virtual X server with a window manager and the tools that drive
# and photograph windows in it; clang for the fuzzers and the house style; the desktop entry and
# package checks; a session bus with the desktop portal for the portal pick's end-to-end test; a
# Wayland compositor that runs without a screen (weston, with its screenshooter) for the loupe on a
# screenshot.
test_packages=(
  libgtest-dev libgmock-dev libbenchmark-dev
  xvfb xauth xdotool xclip imagemagick x11-utils openbox
  clang libclang-rt-14-dev clang-format
  desktop-file-utils appstream lintian
  dbus-daemon python3-gi xdg-desktop-portal
  weston
)

case ${1:-test} in
  run) packages=("${run_packages[@]}") ;;
  test) packages=("${run_packages[@]}" "${test_packages[@]}") ;;
  *) echo "usage: $0 [run|test]" >&2; exit 2 ;;
esac

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
