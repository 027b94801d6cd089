#!/usr/bin/env bash
# `pelmora pick` on a display with two X screens (under scripts/xvfb-run-here.sh --screen ... --screen
# ...): whichever screen DISPLAY names, the loupe reads and moves on the screen the pointer is on.
#
# usage: two_screens_pick_test.sh PELMORA PATTERN_PROGRAM
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/xvfb-lib.sh"
pelmora=$1
pattern=$2
work=$(mktemp -d)
base=${DISPLAY%.*}
pattern_pid=
pick_pid=
cleanup() {
  [ -n "$pick_pid" ] && kill "$pick_pid" 2>/dev/null
  [ -n "$pattern_pid" ] && kill "$pattern_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { fail_showing "$work/err" "$@"; }
location() { xdotool getmouselocation | awk '{print $1, $2, $3}'; }

# The pattern on screen 1 only; screen 0 stays black.
DISPLAY=$base.1 "$pattern" &
pattern_pid=$!
on_screen_1() { [ "$(DISPLAY=$base.1 screen_pixel 101 77)" = 654D5A ]; }
wait_until 10 on_screen_1 || fail "the pattern is not on screen 1"
[ "$(DISPLAY=$base.0 screen_pixel 101 77)" = 000000 ] || fail "screen 0 is not black under the pattern's place"

# (DISPLAY for pelmora, the pointer's screen, what the pick prints)
while read -r display screen colour; do
  for scale in 1 2; do
    xdotool mousemove --screen "$screen" 101 77
    pointer_is() { [ "$(location)" = "x:101 y:77 screen:$screen" ]; }
    wait_until 5 pointer_is || fail "the pointer did not reach screen $screen"
    DISPLAY=$base.$display QT_SCALE_FACTOR=$scale "$pelmora" pick --format html >"$work/out" 2>"$work/err" &
    pick_pid=$!
    wait_for_window '^Pelmora screen picker$' 10 >/dev/null || fail "no loupe appeared"
    sleep 0.3
    # One pixel right and down, on the pointer's screen.
    xdotool key Right Down
    sleep 0.2
    [ "$(location)" = "x:102 y:78 screen:$screen" ] \
      || fail "DISPLAY $base.$display, scale $scale: the arrows put the pointer at $(location)"
    xdotool key Return
    wait_for_exit "$pick_pid" 10 || fail "pelmora pick did not end"
    pick_pid=
    [ "$EXIT_STATUS" -eq 0 ] && [ "$(cat "$work/out")" = "#$colour" ] \
      || fail "DISPLAY $base.$display, pointer on screen $screen, scale $scale: status $EXIT_STATUS, '$(cat "$work/out")', expected #$colour"
  done
done <<'CASES'
0 1 664E5A
1 1 664E5A
1 0 000000
CASES
echo "two screens ok"
