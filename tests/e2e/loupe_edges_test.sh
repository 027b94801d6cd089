#!/usr/bin/env bash
# The loupe of `pelmora pick` at the edges of the screen and on a screen without a compositor, at
# scales 1, 1.5 and 2 (under scripts/xvfb-run-here.sh, 1280 x 1024):
# - the arrow keys stop at the last pixel, and the pick is that pixel's colour;
# - the loupe shows only itself over the screen and nothing of an earlier frame: after moves and
#   zooming it looks exactly as a loupe freshly opened at the same place;
# - with the pointer in each corner the loupe, read-outs and all, is whole on the screen (as large
#   as in the middle of it), on the pointer's other side, and off the pixel under the pointer.
#
# usage: loupe_edges_test.sh PELMORA PATTERN_PROGRAM
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/xvfb-lib.sh"
pelmora=$1
pattern=$2
work=$(mktemp -d)
pattern_pids=()
pick_pid=
cleanup() {
  [ -n "$pick_pid" ] && kill "$pick_pid" 2>/dev/null
  for p in "${pattern_pids[@]}"; do kill "$p" 2>/dev/null; done
  rm -rf "$work"
}
trap cleanup EXIT
fail() { fail_showing "$work/err" "$@"; }

# The gradient (red = x, green = y) at the top-left corner and at the bottom-right one, where its
# last column and row are the screen's.
"$pattern" & pattern_pids+=($!)
"$pattern" 1024 768 & pattern_pids+=($!)
wait_until 10 pixel_is 37 201 25C95A || fail "the pattern is not at the top-left corner"
wait_until 10 pixel_is 1279 1023 FFFF5A || fail "the pattern is not at the bottom-right corner"

start_pick() {
  QT_SCALE_FACTOR=$1 "$pelmora" pick --format html >"$work/out" 2>"$work/err" &
  pick_pid=$!
  wait_for_window '^Pelmora screen picker$' 10 >/dev/null || fail "no loupe appeared at scale $1"
  sleep 0.3  # the loupe takes the pointer and keyboard once the server has mapped it
}
finish_pick() {
  wait_for_exit "$pick_pid" 10 || fail "$3: pelmora pick did not end"
  pick_pid=
  [ "$EXIT_STATUS" -eq "$1" ] || fail "$3: status $EXIT_STATUS, expected $1"
  [ "$(cat "$work/out")" = "$2" ] || fail "$3: printed '$(cat "$work/out")', expected '$2'"
}
pointer_to() {
  xdotool mousemove "$1" "$2"
  at() { [ "$(xdotool getmouselocation | awk '{print $1, $2}')" = "x:$1 y:$2" ]; }
  wait_until 5 at "$1" "$2" \
    || fail "the pointer did not reach ($1, $2)"
  sleep 0.15
}
# region_sum X Y: a checksum of the 640 x 300 screen pixels from (X, Y), the loupe's size at scale 2.
region_sum() {
  import -silent -window root -crop "640x300+$1+$2" +repage -depth 8 rgb:- 2>/dev/null | md5sum
}
# loupe_box X Y: the box ("LEFT TOP RIGHT BOTTOM") the loupe takes with the pointer at (X, Y): what
# differs from the screen without it, taken in $work/screen.rgb.
loupe_box() {
  pointer_to "$1" "$2"
  sleep 0.3
  import -silent -window root -depth 8 rgb:"$work/loupe.rgb" 2>/dev/null
  /usr/bin/python3 "$here/changed_box.py" "$work/screen.rgb" "$work/loupe.rgb" 1280
}

for scale in 1 1.5 2; do
  # Edges: (keys, start, where the pointer must stop, the colour there).
  while read -r keys x y end_x end_y colour; do
    start_pick "$scale"
    pointer_to "$x" "$y"
    xdotool key ${keys//,/ }
    sleep 0.2
    [ "$(xdotool getmouselocation | awk '{print $1, $2}')" = "x:$end_x y:$end_y" ] \
      || fail "$keys from ($x, $y) at scale $scale put the pointer at $(xdotool getmouselocation)"
    xdotool key Return
    finish_pick 0 "#$colour" "$keys from ($x, $y) at scale $scale"
  done <<'CASES'
Right,Right 1279 900 1279 900 FF845A
Down,Down 1100 1023 1100 1023 4CFF5A
shift+Right,shift+Down 1275 1020 1279 1023 FFFF5A
Left,Up 0 0 0 0 00005A
CASES

  # Nothing of an earlier frame: a loupe that has moved about and zoomed in and out again shows
  # the same pixels as a fresh one at the same place, and the screen beside its round picture.
  corner=$(awk -v s="$scale" 'BEGIN { printf "%d", 60 + 24 * s + 5 }')
  expected_corner=$(printf '%02X%02X5A' "$corner" "$corner")
  start_pick "$scale"
  pointer_to 60 60
  sleep 0.3
  wait_until 5 pixel_is "$corner" "$corner" "$expected_corner" \
    || fail "scale $scale: the corner of a fresh loupe shows $(screen_pixel "$corner" "$corner"), not the screen's $expected_corner"
  fresh=$(region_sum 70 70)
  xdotool key Escape
  finish_pick 1 "" "Esc after a fresh loupe at scale $scale"

  start_pick "$scale"
  pointer_to 90 130
  pointer_to 110 90
  pointer_to 60 60
  for _ in 1 2 3; do xdotool click 4; sleep 0.1; done
  for _ in 1 2 3; do xdotool click 5; sleep 0.1; done
  sleep 0.3
  wait_until 5 pixel_is "$corner" "$corner" "$expected_corner" \
    || fail "scale $scale: after moves and zooming the loupe's corner shows $(screen_pixel "$corner" "$corner")"
  region_is() { [ "$(region_sum 70 70)" = "$fresh" ]; }
  wait_until 3 region_is \
    || fail "scale $scale: after moves and zooming the loupe does not look as a fresh one"
  xdotool key Escape
  finish_pick 1 "" "Esc after zooming at scale $scale"
done

# A plain background, unlike any part of the loupe, so that all of it shows in a screenshot.
display -window root -size 8x8 'xc:#3A6EA5' 2>/dev/null
wait_until 5 pixel_is 700 400 3A6EA5 || fail "the root window did not take its background"
for scale in 1 1.5 2; do
  xdotool mousemove 700 400
  import -silent -window root -depth 8 rgb:"$work/screen.rgb" 2>/dev/null
  start_pick "$scale"
  read -r left top right bottom <<<"$(loupe_box 640 512)"
  width=$((right - left)) height=$((bottom - top))
  [ "$width" -gt 250 ] && [ "$height" -gt 150 ] \
    || fail "scale $scale: the loupe in the middle takes $left $top $right $bottom"
  while read -r x y side; do
    read -r l t r b <<<"$(loupe_box "$x" "$y")"
    [ $((r - l)) -eq "$width" ] && [ $((b - t)) -eq "$height" ] \
      || fail "scale $scale, pointer at ($x, $y): the loupe takes $l $t $r $b, not ${width} x ${height} as in the middle"
    case $side in
      right-below) [ "$l" -gt "$x" ] && [ "$t" -gt "$y" ] ;;
      left-below) [ "$r" -lt "$x" ] && [ "$t" -gt "$y" ] ;;
      right-above) [ "$l" -gt "$x" ] && [ "$b" -lt "$y" ] ;;
      left-above) [ "$r" -lt "$x" ] && [ "$b" -lt "$y" ] ;;
    esac || fail "scale $scale, pointer at ($x, $y): the loupe at $l $t $r $b is not $side of it"
  done <<'CORNERS'
0 0 right-below
1279 0 left-below
0 1023 right-above
1279 1023 left-above
CORNERS
  xdotool key Escape
  finish_pick 1 "" "Esc after the corners at scale $scale"
done
echo "loupe edges ok"
