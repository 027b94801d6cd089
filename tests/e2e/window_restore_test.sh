#!/usr/bin/env bash
# The main window opens where it was last closed, under a window manager (openbox), at scales 1
# and 2 (under scripts/xvfb-run-here.sh, on a screen that holds the window at scale 2): moved, closed and started again it is where it was; with a
# place stored for a screen that is no longer there it opens centred, as on a first start.
#
# usage: window_restore_test.sh PELMORA
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/xvfb-lib.sh"
pelmora=$1

readonly main_title='^Pelmora by Brightwell Studio$'

work=$(mktemp -d "${TMPDIR:-/tmp}/pelmora-restore.XXXXXX")
mkdir -p "$work/config/Pelmora"
export XDG_CONFIG_HOME=$work/config
settings=$work/config/Pelmora/Pelmora.conf
pid= wm_pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; [ -f "$settings" ] && sed 's/^/  settings: /' "$settings" >&2; exit 1; }

# start: starts the program and waits until its main window is on the screen and has stopped moving
# (the manager may still place it); sets pid and main.
start() {
  local last= now
  "$pelmora" &
  pid=$!
  wait_until 15 window_shown "$main_title" || fail "scale $scale: the main window never appeared"
  main=$(xdotool search --onlyvisible --name "$main_title" | head -n 1)
  for _ in $(seq 1 20); do
    sleep 0.25
    now=$(window_origin "$main")
    [ "$now" = "$last" ] && return 0
    last=$now
  done
}
stop() {
  close_window "$main" 2>/dev/null || kill "$pid"
  wait_for_exit "$pid" 10 || fail "scale $scale: the program did not end"
  pid=
}
# centre_offset: how far the middle of the main window's client area is from the screen's middle, "DX DY".
centre_offset() {
  local width height
  read -r width height < <(xwininfo -id "$main" | awk '/^  Width:/ {w=$2} /^  Height:/ {h=$2} END {print w, h}')
  set -- $(window_origin "$main")
  echo $(( $1 + width / 2 - screen_width / 2 )) $(( $2 + height / 2 - screen_height / 2 ))
}
# same_place "X Y" "X Y": equal, but for the half logical pixel a place at scale 2 cannot hold
# (Qt places windows in whole logical pixels; the manager's frame may start on an odd device pixel).
same_place() {
  local a=($1) b=($2) dx dy
  dx=$(( a[0] - b[0] )) dy=$(( a[1] - b[1] ))
  [ "${dx#-}" -le $((scale - 1)) ] && [ "${dy#-}" -le $((scale - 1)) ]
}
near_centre() {
  set -- $(centre_offset)
  # The frame's title bar shifts the client area down by its own height.
  [ "${1#-}" -le 2 ] && [ "${2#-}" -le 40 ]
}

read -r screen_width screen_height < <(xdpyinfo | awk '/dimensions:/ {split($2, d, "x"); print d[1], d[2]}')
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
sleep 1

for scale in 1 2; do
  export QT_SCALE_FACTOR=$scale
  printf '[Settings]\nshowHelp=0\n' >"$settings"
  start
  near_centre || fail "scale $scale: a first start is not centred (off by $(centre_offset))"
  xdotool windowmove "$main" 37 61
  sleep 0.7
  moved=$(window_origin "$main")
  stop
  grep -q '^mainPosition=' "$settings" || fail "scale $scale: no place was stored"

  start
  same_place "$(window_origin "$main")" "$moved" \
    || fail "scale $scale: closed at $moved, opened again at $(window_origin "$main")"
  stop

  # A place on a screen to the right of this one, which is gone now.
  sed -i "s/^mainPosition=.*/mainPosition=$((screen_width / scale + 100)) 200/" "$settings"
  start
  near_centre || fail "scale $scale: with the stored screen gone the window is not centred (off by $(centre_offset))"
  stop
done
echo "the main window opens where it was closed"
