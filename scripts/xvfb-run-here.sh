#!/usr/bin/env bash
# Runs CMD under a private Xvfb display: picks a free display number, waits until the server answers,
# runs CMD with the scale pinned to 1 and a private settings folder, then stops the server whatever
# happened. Exits with CMD's status. Settings and runtime folders are private to the run.
#
# With --cookie the server admits only clients that hold the cookie it was given; CMD gets it in
# XAUTHORITY. Each --screen adds an X screen (:N.0, :N.1, ...); DISPLAY names the first.
#
# usage: scripts/xvfb-run-here.sh [--screen WxHxD]... [--cookie] CMD [ARGS...]
set -uo pipefail

screen_args=()
cookie=0
while [ $# -gt 0 ]; do
  case $1 in
    --screen) screen_args+=(-screen "$((${#screen_args[@]} / 3))" "$2"); shift 2 ;;
    --cookie) cookie=1; shift ;;
    *) break ;;
  esac
done
[ ${#screen_args[@]} -eq 0 ] && screen_args=(-screen 0 1280x1024x24)
if [ $# -eq 0 ]; then
  echo "usage: $0 [--screen WxHxD]... [--cookie] CMD [ARGS...]" >&2
  exit 2
fi
for tool in Xvfb xdpyinfo; do
  command -v "$tool" >/dev/null || { echo "$0: $tool is not installed (run scripts/bootstrap.sh)" >&2; exit 2; }
done

work=$(mktemp -d "${TMPDIR:-/tmp}/pelmora-xvfb.XXXXXX")
xvfb_pid=
cleanup() {
  if [ -n "$xvfb_pid" ]; then
    kill "$xvfb_pid" 2>/dev/null
    wait "$xvfb_pid" 2>/dev/null
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'exit 130' INT TERM

auth_args=()
if [ "$cookie" -eq 1 ]; then
  export XAUTHORITY="$work/xauthority"
  auth_args=(-auth "$XAUTHORITY")
fi

# Xvfb itself refuses a display whose lock file exists, so a race with another run only costs a retry.
started=0
for display in $(seq 90 199); do
  [ -e "/tmp/.X${display}-lock" ] || [ -e "/tmp/.X11-unix/X${display}" ] && continue
  [ "$cookie" -eq 1 ] && xauth -q -f "$XAUTHORITY" add ":$display" . "$(mcookie)" 2>/dev/null
  Xvfb ":$display" "${screen_args[@]}" -nolisten tcp -noreset "${auth_args[@]}" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  for _ in $(seq 1 100); do
    # The lock file names the server that won the display: ours, or another run's that raced us.
    if [ "$( { tr -d ' \n' <"/tmp/.X${display}-lock"; } 2>/dev/null)" = "$xvfb_pid" ] \
       && DISPLAY=":$display" xdpyinfo >/dev/null 2>&1; then
      started=1
      break
    fi
    kill -0 "$xvfb_pid" 2>/dev/null || break
    sleep 0.05
  done
  [ "$started" -eq 1 ] && break
  kill "$xvfb_pid" 2>/dev/null
  wait "$xvfb_pid" 2>/dev/null
  xvfb_pid=
done
if [ "$started" -ne 1 ]; then
  echo "$0: could not start Xvfb on any display from :90 to :199" >&2
  cat "$work/xvfb.log" >&2
  exit 2
fi

mkdir -p "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
DISPLAY=":$display" \
QT_QPA_PLATFORM=xcb \
QT_ENABLE_HIGHDPI_SCALING=0 \
QT_FONT_DPI=96 \
QT_SCALE_FACTOR=1 \
XDG_CONFIG_HOME="$work/config" \
XDG_RUNTIME_DIR="$work/runtime" \
  "$@"
status=$?
exit "$status"
