#!/usr/bin/env bash
# Pick from Screen under a window manager (openbox), at scales 1, 1.5 and 2 (under
# scripts/xvfb-run-here.sh): the main window, the help window and the About window all leave the
# screen while the loupe is up, and after a cancel and after a pick each is back exactly where it
# was.
#
# usage: window_place_test.sh PELMORA
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/xvfb-lib.sh"
pelmora=$1

readonly main_title='^Pelmora by Brightwell Studio$'
readonly help_title='^Readme/Help$'
readonly about_title='^About Pelmora$'
readonly loupe_title='^Pelmora screen picker$'
readonly about_button=(120 422)   # Command5, logical pixels of the main window

work=$(mktemp -d "${TMPDIR:-/tmp}/pelmora-place.XXXXXX")
mkdir -p "$work/config/Pelmora"
export XDG_CONFIG_HOME=$work/config
pid= wm_pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

mapped() { xwininfo -id "$1" 2>/dev/null | grep -q 'IsViewable'; }
unmapped() { ! mapped "$1"; }
# find_window NAME: the id of the visible window named NAME, waiting up to 15 s. (xdotool's own
# --sync gives up when a window it looks at goes away meanwhile, as the splash and these do.)
find_window() {
  local deadline=$((SECONDS + 15)) id
  while [ $SECONDS -lt $deadline ]; do
    id=$(xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n 1)
    [ -n "$id" ] && { echo "$id"; return 0; }
    sleep 0.1
  done
  return 1
}
places() { for w in "$@"; do echo "$w $(window_origin "$w")"; done; }

openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
sleep 1

for scale in 1 1.5 2; do
  printf '[Settings]\nshowHelp=1\n' >"$work/config/Pelmora/Pelmora.conf"
  QT_SCALE_FACTOR=$scale "$pelmora" &
  pid=$!
  main=$(find_window "$main_title") || fail "scale $scale: the main window never appeared"
  help=$(find_window "$help_title") || fail "scale $scale: the help window never appeared"
  # Away from where the manager would put a new window, at odd places, the help beside the About button.
  xdotool windowmove "$main" 37 61
  xdotool windowmove "$help" 555 333
  sleep 0.5
  about_x=$(awk -v s="$scale" -v v="${about_button[0]}" 'BEGIN { printf "%d", v * s }')
  about_y=$(awk -v s="$scale" -v v="${about_button[1]}" 'BEGIN { printf "%d", v * s }')
  about=
  for _ in 1 2 3; do
    click_window "$main" "$about_x" "$about_y"
    about=$(timeout 5 xdotool search --sync --onlyvisible --name "$about_title" 2>/dev/null | head -n 1) && [ -n "$about" ] && break
  done
  [ -n "$about" ] || fail "scale $scale: the About window did not open"
  xdotool windowmove "$about" 701 17
  sleep 0.7
  before=$(places "$main" "$help" "$about")

  for outcome in cancel pick; do
    xdotool windowactivate --sync "$main" 2>/dev/null
    sleep 0.2
    xdotool key ctrl+e
    wait_until 10 window_shown "$loupe_title" || fail "scale $scale, $outcome: no loupe appeared"
    for w in "$main" "$help" "$about"; do
      wait_until 5 unmapped "$w" || fail "scale $scale, $outcome: window $(xdotool getwindowname "$w") stayed on the screen"
    done
    sleep 0.3
    if [ "$outcome" = cancel ]; then xdotool key Escape; else xdotool mousemove 1000 1000 click 1; fi
    for w in "$main" "$help" "$about"; do
      wait_until 5 mapped "$w" || fail "scale $scale, $outcome: window $(xdotool getwindowname "$w") did not come back"
    done
    sleep 0.7
    after=$(places "$main" "$help" "$about")
    [ "$after" = "$before" ] || fail "scale $scale, after a $outcome the windows moved from
$before
to
$after"
  done
  close_window "$main" 2>/dev/null || kill "$pid"
  wait_for_exit "$pid" 10 || fail "the program did not end"
  pid=
done
echo "windows keep their places"
