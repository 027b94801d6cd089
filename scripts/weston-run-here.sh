#!/usr/bin/env bash
# Runs CMD on a private Wayland compositor without a screen: weston's headless back-end, one output
# of WxH device pixels (default 1024x768) at --scale S (default 1), with its screenshooter enabled.
# Waits until the compositor answers, runs CMD with Qt's Wayland platform, a private runtime folder
# and a private settings folder, then stops the compositor whatever happened. Exits with CMD's status.
#
# The headless output has no input devices: a test drives keys and clicks inside the program and
# photographs what the compositor shows with weston-screenshooter (run in the folder the PNG goes to).
#
# usage: scripts/weston-run-here.sh [--scale S] [--size WxH] CMD [ARGS...]
set -uo pipefail

scale=1
size=1024x768
while [ $# -gt 0 ]; do
  case $1 in
    --scale) scale=$2; shift 2 ;;
    --size) size=$2; shift 2 ;;
    *) break ;;
  esac
done
if [ $# -eq 0 ]; then
  echo "usage: $0 [--scale S] [--size WxH] CMD [ARGS...]" >&2
  exit 2
fi
for tool in weston weston-screenshooter; do
  command -v "$tool" >/dev/null || { echo "$0: $tool is not installed (run scripts/bootstrap.sh)" >&2; exit 2; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/pelmora-weston.XXXXXX")
weston_pid=
cleanup() {
  if [ -n "$weston_pid" ]; then
    kill "$weston_pid" 2>/dev/null
    wait "$weston_pid" 2>/dev/null
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

mkdir -p "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime"
# The socket lives in the private runtime folder: its name only has to be unique there.
socket=pelmora-wl-$$
# --width and --height are logical: at scale 2, 512 x 384 is a 1024 x 768 output.
weston --backend=headless-backend.so --use-pixman --width=$((${size%x*} / scale)) --height=$((${size#*x} / scale)) \
  --scale="$scale" --socket="$socket" --no-config --idle-time=0 --debug >"$work/weston.log" 2>&1 &
weston_pid=$!
ready=0
for _ in $(seq 1 400); do
  # Ready once it answers a client: the screenshooter is one that ends by itself.
  if [ -S "$XDG_RUNTIME_DIR/$socket" ] && (cd "$work" && WAYLAND_DISPLAY=$socket timeout 10 weston-screenshooter) >/dev/null 2>&1; then
    ready=1
    break
  fi
  kill -0 "$weston_pid" 2>/dev/null || break
  sleep 0.05
done
rm -f "$work"/wayland-screenshot-*.png
if [ "$ready" -ne 1 ]; then
  echo "$0: weston did not start" >&2
  cat "$work/weston.log" >&2
  exit 2
fi

# The pixman renderer offers no EGL: Qt's hardware integration would find nothing to use.
env -u DISPLAY \
  WAYLAND_DISPLAY="$socket" \
  QT_QPA_PLATFORM=wayland \
  QT_WAYLAND_DISABLE_HW_INTEGRATION=1 \
  QT_FONT_DPI=96 \
  XDG_CONFIG_HOME="$work/config" \
  "$@"
status=$?
exit "$status"
