#!/usr/bin/env bash
# The main window as a user clicks and types into it, under scripts/xvfb-run-here.sh:
# - the frames beside and below the picker leave the picker its clicks where they overlap it;
# - Return on the hue message closes it for good (under a window manager, which hands the focus back);
# - at a fractional scale, set through the environment, a click picks the very pixel shown under it;
# - closing the main window while the launcher runs closes the About window too, and the program
#   ends once the launcher has closed itself, without the launcher ever showing an empty box.
#
# usage: window_clicks_test.sh PELMORA CLOSE_WINDOW_PROGRAM
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/xvfb-lib.sh"
[ $# -eq 2 ] || { echo "usage: $0 PELMORA CLOSE_WINDOW_PROGRAM" >&2; exit 2; }
pelmora=$1
export PELMORA_CLOSE_WINDOW=$2

readonly main_title='^Pelmora by Brightwell Studio$'
readonly about_title='^About Pelmora$'
readonly message_title='^Pelmora$'

# Places on the main window's client area, in logical pixels (the designed twips / 15).
readonly new_swatch=(454 101)              # lblSelColor inside Frame1 (300, 64)
readonly txt_h=(365 146) txt_s=(365 186) txt_b=(365 226)  # inside Frame2 (300, 112)
readonly copy_html=(206 378)               # cmdCopy_1 inside Frame4 (4, 312)
readonly about_button=(120 422)            # Command5
readonly website_label=(200 150)           # lblWebsite on the About window

work=$(mktemp -d "${TMPDIR:-/tmp}/pelmora-clicks.XXXXXX")
mkdir -p "$work/config/Pelmora" "$work/bin"
export XDG_CONFIG_HOME=$work/config
printf '[Settings]\nshowHelp=0\n' >"$work/config/Pelmora/Pelmora.conf"
# The desktop's address opener, as Qt finds it on the path: it only notes what it was asked to open.
printf '#!/bin/sh\necho "$1" >>"%s"\n' "$work/opened" >"$work/bin/xdg-open"
chmod +x "$work/bin/xdg-open"
export PATH="$work/bin:$PATH"

pid= id= wm_pid=
field_corner="10 10"   # the field's top-left pixel on the screen
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  [ -n "$wm_pid" ] && kill "$wm_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

step() { echo "-- $*"; }
fail() { echo "FAIL: $*" >&2; exit 1; }
pixel() { window_pixel "$id" "$1" "$2"; }
click() { click_window "$id" "$1" "$2"; }

# start_program [ENV ARGUMENTS...]: starts pelmora with those variables (as env takes them) and waits for the start-up field.
start_program() {
  env "$@" "$pelmora" &
  pid=$!
  id=$(wait_for_window "$main_title" 15) || fail "the main window never appeared"
  wait_for_pixel "$id" $field_corner FFFFFF 10 || fail "the start-up field is not shown"
}

stop_program() {
  close_window "$id" || fail "could not ask the main window to close"
  wait_for_exit "$pid" 10 || fail "the program still runs 10 s after its main window was closed"
  pid= id=
}

# box_text X Y: the text of the box at (X, Y), through the clipboard.
box_text() {
  click "$1" "$2" && xdotool key ctrl+a ctrl+c && sleep 0.2 && clipboard_text
}

# expect_box NAME X Y TEXT: the box there holds exactly TEXT.
expect_box() {
  local got
  got=$(box_text "$2" "$3")
  [ "$got" = "$4" ] || fail "$1 holds '$got', expected '$4'"
}

# --- the frames over the picker ----------------------------------------------------------------
step "clicks on the picker where frames overlap it"
start_program
click 100 100
wait_until 5 test "$(pixel "${new_swatch[@]}")" != FF0000 || fail "the field pick at (100, 100) did nothing"
# The history frame starts at y 264: the field's last two rows lie under it.
click 100 265
wait_for_pixel "$id" "${new_swatch[@]}" 000000 5 || fail "a click at (100, 265) did not pick black"
expect_box txtB "${txt_b[@]}" 0
click 10 265
expect_box txtS "${txt_s[@]}" 0
expect_box txtB "${txt_b[@]}" 0
click 284 100
expect_box txtH "${txt_h[@]}" 232
click 284 265
expect_box txtH "${txt_h[@]}" 0
# The slider's mouse area reaches to x 302, into the frames that start at x 300.
click 300 100
expect_box txtH "${txt_h[@]}" 232
click 284 265
click 303 100
expect_box txtH "${txt_h[@]}" 0
# A drag that starts on a frame follows the pointer like one on the picker.
drag_window "$id" 200 265 200 200
expect_box txtB "${txt_b[@]}" 25
stop_program

# --- the hue message under a window manager --------------------------------------------------------
step "Return on the hue message closes it for good"
openbox --sm-disable >"$work/openbox.log" 2>&1 &
wm_pid=$!
sleep 1
start_program
click "${txt_h[@]}"
xdotool key ctrl+a
xdotool type --delay 50 500
message=$(wait_for_window "$message_title" 5) || fail "typing 500 into H showed no message"
wait_until 5 test "$(xdotool getwindowfocus 2>/dev/null)" = "$message" || fail "the message did not take the focus"
xdotool key Return
wait_for_window_gone "$message" 5 || fail "Return did not close the message"
sleep 1.5
[ -z "$(xdotool search --onlyvisible --name "$message_title" 2>/dev/null)" ] \
  || fail "the message came back after Return"
stop_program
kill "$wm_pid"; wait "$wm_pid" 2>/dev/null; wm_pid=

# --- closing while the launcher runs -----------------------------------------------------------------
step "closing the main window while the launcher runs"
start_program
click "${about_button[@]}"
about=$(wait_for_window "$about_title" 5) || fail "the About window did not open"
windows_before=$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | sort)
click_window "$about" "${website_label[@]}"
wait_until 5 test -s "$work/opened" || fail "the web address label opened nothing"
[ "$(cat "$work/opened")" = "http://pelmora.example.org" ] || fail "opened $(cat "$work/opened")"
sleep 0.2
[ "$(xdotool search --onlyvisible --pid "$pid" 2>/dev/null | sort)" = "$windows_before" ] \
  || fail "the launcher put a window on the screen"
close_window "$id" || fail "could not ask the main window to close"
wait_for_window_gone "$about" 2 || fail "the About window stayed open after the main window closed"
wait_for_exit "$pid" 5 || fail "the program still runs after the launcher's second"
[ "$EXIT_STATUS" -eq 0 ] || fail "the program ended with status $EXIT_STATUS"
pid= id=

# --- a fractional scale ---------------------------------------------------------------------------
# Positions are logical pixels times 1.5; the screen shows our own pixels nearest-neighbour, so the
# pixel under the pointer is compared exactly.
field_corner="15 15"
for scale in QT_SCALE_FACTOR=1.5 QT_SCREEN_SCALE_FACTORS=1.5; do
  step "a click at scale 1.5 ($scale) picks the pixel under the pointer"
  if [ "$scale" = QT_SCALE_FACTOR=1.5 ]; then
    start_program QT_ENABLE_HIGHDPI_SCALING=1 QT_SCALE_FACTOR=1.5
  else
    start_program -u QT_SCALE_FACTOR QT_ENABLE_HIGHDPI_SCALING=1 QT_SCREEN_SCALE_FACTORS=1.5
  fi
  size=$(xwininfo -id "$id" | awk '/^  Width:/ {w=$2} /^  Height:/ {h=$2} END {print w "x" h}')
  [ "$size" = 720x779 ] || fail "the window is $size at scale 1.5"
  for point in "200 100" "301 151" "155 302" "390 388" "100 397"; do
    set -- $point
    under=$(pixel "$1" "$2")
    click "$1" "$2"
    click $((copy_html[0] * 3 / 2)) $((copy_html[1] * 3 / 2))
    wait_for_clipboard "#$under" 5 || fail "a click at device pixel ($1, $2) did not pick the $under shown there"
  done
  stop_program
done
echo "window clicks ok"
