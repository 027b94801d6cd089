#!/usr/bin/env bash
# `pelmora pick` with a session bus that takes connections and never answers (under
# scripts/xvfb-run-here.sh): the loupe needs no bus and picks as usual; the portal, which does,
# fails in one line within seconds instead of waiting for ever. The window program opens its
# windows all the same.
#
# usage: silent_bus_pick_test.sh PELMORA PATTERN_PROGRAM
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/xvfb-lib.sh"
pelmora=$1
pattern=$2
work=$(mktemp -d)
pattern_pid= bus_pid= pick_pid= window_pid=
cleanup() {
  for p in "$window_pid" "$pick_pid" "$pattern_pid" "$bus_pid"; do [ -n "$p" ] && kill "$p" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { fail_showing "$work/err" "$@"; }

/usr/bin/python3 -c '
import socket, sys
server = socket.socket(socket.AF_UNIX)
server.bind(sys.argv[1])
server.listen(64)
held = []
while True:
    held.append(server.accept()[0])  # taken, never answered
' "$work/bus" &
bus_pid=$!
wait_until 5 test -S "$work/bus" || fail "the silent bus did not start"
silent_bus="unix:path=$work/bus"

"$pattern" &
pattern_pid=$!
wait_until 10 pixel_is 101 77 654D5A || fail "the pattern is not on the screen"
xdotool mousemove 101 77

for via in x11 auto; do
  DBUS_SESSION_BUS_ADDRESS=$silent_bus "$pelmora" pick --via "$via" --format html >"$work/out" 2>"$work/err" &
  pick_pid=$!
  wait_until 15 window_shown '^Pelmora screen picker$' || fail "--via $via: no loupe appeared with a silent session bus"
  sleep 0.3
  xdotool click 1
  wait_for_exit "$pick_pid" 10 || fail "--via $via: pelmora pick did not end"
  pick_pid=
  [ "$EXIT_STATUS" -eq 0 ] && [ "$(cat "$work/out")" = "#654D5A" ] \
    || fail "--via $via: status $EXIT_STATUS, printed '$(cat "$work/out")'"
done

start=$SECONDS
DBUS_SESSION_BUS_ADDRESS=$silent_bus timeout 30 "$pelmora" pick --via portal >"$work/out" 2>"$work/err"
status=$?
[ "$status" -eq 2 ] && [ $((SECONDS - start)) -le 10 ] && [ "$(wc -l <"$work/err")" -eq 1 ] \
  && grep -q '^pelmora pick: .*session bus did not answer within 3 s' "$work/err" \
  || fail "--via portal: status $status after $((SECONDS - start)) s"
mkdir -p "$work/config/Pelmora"
printf '[Settings]\nshowHelp=0\n' >"$work/config/Pelmora/Pelmora.conf"
XDG_CONFIG_HOME=$work/config DBUS_SESSION_BUS_ADDRESS=$silent_bus "$pelmora" 2>"$work/err" &
window_pid=$!
wait_until 20 window_shown '^Pelmora by ' || fail "the main window did not open with a silent session bus"
kill "$window_pid"
wait_for_exit "$window_pid" 10 || fail "the window program did not end"
window_pid=
echo "silent bus ok"
