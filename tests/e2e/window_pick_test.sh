#!/usr/bin/env bash
# The main window's "Pick from Screen" and paste end to end under scripts/xvfb-run-here.sh: the
# loupe started from the real window picks the exact pixel of a known pattern, and the colour reaches
# the codes (through the Copy buttons), the New swatch and the H, S, B boxes; Esc and a right click
# change nothing; Ctrl+V of a CSS code moves codes, swatch and markers; Ctrl+V of nonsense changes
# nothing and opens no box.
#
# usage: window_pick_test.sh PELMORA PATTERN_PROGRAM
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/xvfb-lib.sh"
[ $# -eq 2 ] || { echo "usage: $0 PELMORA PATTERN_PROGRAM" >&2; exit 2; }
pelmora=$1
pattern=$2

readonly main_title='^Pelmora by Brightwell Studio$'
readonly loupe_title='^Pelmora screen picker$'
# Places on the main window's client area, in pixels.
readonly pick_button=(62 461)       # cmdPickScreen (4, 450, 116, 23)
readonly keep_button=(345 33)       # Command1
readonly new_swatch=(454 101)       # lblSelColor
readonly boxes=("365 146" "365 186" "365 226")   # txtH, txtS, txtB inside Frame2 (300, 112)
readonly copy_buttons=("206 346" "206 378" "444 346" "444 382")   # cmdCopy: RGB, HTML, decimal, hex
readonly slider_x=284               # a column of the slider
readonly slider_marker_x=295        # a column of the slider marker's right bar (294..297)

pattern_pid= pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  [ -n "$pattern_pid" ] && kill "$pattern_pid" 2>/dev/null
}
trap cleanup EXIT
step() { echo "-- $*"; }
fail() { echo "FAIL: $*" >&2; exit 1; }
pixel() { window_pixel "$id" "$1" "$2"; }
click() { local window=$1; shift; click_window "$window" $*; }

# pointer_to X Y: the pointer on screen pixel (X, Y), and the server reports it there.
pointer_to() {
  xdotool mousemove "$1" "$2"
  wait_until 5 test "$(xdotool getmouselocation | awk '{print $1, $2}')" = "x:$1 y:$2" \
    || fail "the pointer did not reach ($1, $2)"
  sleep 0.15
}

mapped() { xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable'; }
unmapped() { ! mapped; }

# start_loupe how: starts a pick with the button or Ctrl+E; the main window goes, the loupe comes.
start_loupe() {
  if [ "$1" = button ]; then click "$id" "${pick_button[*]}"; else xdotool key ctrl+e; fi
  wait_until 5 unmapped || fail "the main window stayed on the screen while picking ($1)"
  wait_for_window "$loupe_title" 10 >/dev/null || fail "no loupe appeared ($1)"
  sleep 0.3  # the loupe takes the pointer and keyboard once the server has mapped it
}

# back: the main window is on the screen again and has the keyboard focus.
back() {
  wait_until 5 mapped || fail "the main window did not come back after $1"
  wait_until 5 test "$(xdotool getwindowfocus 2>/dev/null)" = "$id" \
    || fail "the main window came back without the focus after $1 (focus: $(xdotool getwindowfocus))"
}

# expect_copies RRGGBB: the four Copy buttons put that colour's codes on the clipboard.
expect_copies() {
  local r=$((16#${1:0:2})) g=$((16#${1:2:2})) b=$((16#${1:4:2})) i
  local expected=("RGB($r, $g, $b)" "#$1" "$((r + 256 * g + 65536 * b))" "$(printf '&H%02X%02X%02X&' "$b" "$g" "$r")")
  for i in 0 1 2 3; do
    click "$id" "${copy_buttons[$i]}"
    wait_for_clipboard "${expected[$i]}" 5 || fail "Copy $i: expected the codes of $1"
  done
}

# expect_boxes H S B: the texts of txtH, txtS and txtB, read by selecting each and copying it.
expect_boxes() {
  local i expected=("$@")
  for i in 2 1 0; do
    click "$id" "${boxes[$i]}"
    xdotool key ctrl+a ctrl+c
    wait_for_clipboard "${expected[$i]}" 5 || fail "box $i: expected ${expected[$i]}"
  done
}

# no_other_window: the program shows its main window and nothing else (no message box).
no_other_window() {
  sleep 0.5
  local other
  other=$(wait_for_popup "$pid" "$id" 1) && fail "a window appeared: $(xdotool getwindowname "$other")"
  return 0
}

"$pattern" &
pattern_pid=$!
wait_for_window '^Pelmora screen pattern$' 10 >/dev/null || fail "the pattern window never appeared"
wait_until 5 test "$(screen_pixel 101 77)" = 654D5A || fail "the pattern is not on the screen"

mkdir -p "$XDG_CONFIG_HOME/Pelmora"
printf '[Settings]\nshowHelp=0\n' >"$XDG_CONFIG_HOME/Pelmora/Pelmora.conf"
"$pelmora" &
pid=$!
id=$(wait_for_window "$main_title" 15) || fail "the main window never appeared"
wait_for_pixel "$id" 10 10 FFFFFF 10 && wait_for_pixel "$id" 10 265 000000 || fail "the start-up field is not shown"
# Without a window manager the window opens at the top-left corner, over the pattern: move it aside.
xdotool windowmove "$id" 600 300
wait_until 5 test "$(window_origin "$id")" = "600 300" || fail "the main window did not move aside: $(window_origin "$id")"
wait_until 5 test "$(screen_pixel 101 77)" = 654D5A || fail "the pattern is not visible beside the main window"

step "the button: the loupe picks the exact pixel under the pointer"
start_loupe button
pointer_to 101 77
xdotool click 1
back "a pick"
wait_for_pixel "$id" "${new_swatch[@]}" 654D5A 5 || fail "the New swatch does not show the picked colour"
# #654D5A is H 328, S 24, B 40: the field is painted for hue 328, whose slider row is 32.
wait_for_pixel "$id" 265 10 "$(pixel "$slider_x" 32)" 5 || fail "the field was not painted for the picked hue"
[ "$(pixel "$slider_marker_x" 32)" != "$(pixel "$slider_marker_x" 265)" ] || fail "the slider marker did not move to row 32"
expect_copies 654D5A
expect_boxes 328 24 40

step "Esc and a right click change nothing"
# (Reading the boxes released keys in them, which put the field's own colour under the ring into
# the codes and the swatch: the state before cancelling is what it is now.)
before=$(pixel "${new_swatch[@]}")
click "$id" "${copy_buttons[1]}"
wait_until 5 test -n "$(clipboard_text)" || fail "Copy put nothing on the clipboard"
before_code=$(clipboard_text)
start_loupe button
pointer_to 37 201
xdotool key Escape
back "Esc"
no_other_window
[ "$(pixel "${new_swatch[@]}")" = "$before" ] || fail "Esc changed the New swatch"
# Back with the focus: Ctrl+E works at once, without a click into the window.
start_loupe ctrl+e
pointer_to 37 201
xdotool click 3
back "a right click"
no_other_window
[ "$(pixel "${new_swatch[@]}")" = "$before" ] || fail "a right click changed the New swatch"
printf 'other' | xclip -selection clipboard
click "$id" "${copy_buttons[1]}"
wait_for_clipboard "$before_code" 5 || fail "cancelling changed the codes"

step "Ctrl+V of a CSS colour outside the boxes"
click "$id" "${keep_button[*]}"   # the focus on a button, out of the boxes
printf 'hsl(120 100%% 25%%)' | xclip -selection clipboard
xdotool key ctrl+v
wait_for_pixel "$id" "${new_swatch[@]}" 008000 5 || fail "the pasted colour is not the New colour"
# Hue 120: slider row 180, the field painted for pure green, the slider marker on row 180.
wait_for_pixel "$id" 265 10 00FF00 5 || fail "the field was not painted for hue 120"
[ "$(pixel "$slider_marker_x" 180)" != "$(pixel "$slider_marker_x" 32)" ] || fail "the slider marker did not move to row 180"
expect_copies 008000
expect_boxes 120 100 50

step "Ctrl+V of nonsense changes nothing and opens no box"
click "$id" "${keep_button[*]}"
before=$(pixel "${new_swatch[@]}")
expect_copies "$before"   # the boxes' key releases made the field's colour under the ring current
printf 'nonsense' | xclip -selection clipboard
xdotool key ctrl+v
no_other_window
[ "$(pixel "${new_swatch[@]}")" = "$before" ] || fail "nonsense changed the New swatch"
expect_copies "$before"

step "Ctrl+E also from inside the hue box"
click "$id" "${boxes[0]}"
start_loupe ctrl+e
xdotool key Escape
back "Esc"

close_window "$id" 2>/dev/null || kill "$pid"
wait_for_exit "$pid" 10 || fail "the program did not end"
pid=
echo "window picking ok"
