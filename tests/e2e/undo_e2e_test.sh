#!/usr/bin/env bash
# Undo and redo in the real window, under scripts/xvfb-run-here.sh: a pick in the field and a grid
# cell undone with Ctrl+Z one at a time and redone with Ctrl+Shift+Z and Ctrl+Y, each time checked
# by the code Copy puts on the clipboard, the New swatch and the painted picture; and a hue box being
# typed in keeping Ctrl+Z and Ctrl+Y for its own text, where this desktop's key table gives a text
# box no Ctrl+Y.
#
# usage: undo_e2e_test.sh PELMORA CLOSE_WINDOW_PROGRAM
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/xvfb-lib.sh"
[ $# -eq 2 ] || { echo "usage: $0 PELMORA CLOSE_WINDOW_PROGRAM" >&2; exit 2; }
pelmora=$1
export PELMORA_CLOSE_WINDOW=$2

readonly main_title='^Pelmora by Brightwell Studio$'
# Places on the main window's client area, in pixels (the designed twips / 15).
readonly new_swatch=(454 101)   # lblSelColor inside Frame1 (300, 64)
readonly presets=(433 33)       # Command3
readonly copy_html=(206 378)    # cmdCopy_1 inside Frame4 (4, 312)
readonly txt_h=(365 146)        # inside Frame2 (300, 112)
readonly text1=(445 146)        # the read-only red box beside it

work=$(mktemp -d "${TMPDIR:-/tmp}/pelmora-undo.XXXXXX")
mkdir -p "$work/config/Pelmora" "$work/data"
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
printf '[Settings]\nshowHelp=0\n' >"$work/config/Pelmora/Pelmora.conf"
pid= id=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

step() { echo "-- $*"; }
fail() { echo "FAIL: $*" >&2; exit 1; }
pixel() { window_pixel "$id" "$1" "$2"; }
click() { click_window "$id" "$1" "$2"; }
key() { xdotool key --window "$id" "$1"; }

# cell_center N: the middle pixel of grid cell N, "X Y".
cell_center() {
  echo $((10 + 18 * (($1 - 1) % 16) + 7)) $((10 + 18 * (($1 - 1) / 16) + 7))
}

# html_code: the HTML code as Copy puts it on the clipboard.
html_code() {
  printf 'none' | xclip -selection clipboard
  click "${copy_html[@]}"
  wait_until 5 test "$(clipboard_text)" != none || fail "Copy put nothing on the clipboard"
  clipboard_text
}

# picker_picture: a digest of the field and the slider with their markers as the screen shows them.
picker_picture() {
  import -silent -window "$id" -crop 300x272+0+0 +repage -depth 8 rgb:- 2>/dev/null | md5sum
}

# box_text X Y: the text of the box at (X, Y), through the clipboard.
box_text() {
  click "$1" "$2" && xdotool key ctrl+a ctrl+c && sleep 0.2 && clipboard_text
}

# expect_shown WHAT HTML SWATCH: Copy gives HTML and the New swatch shows SWATCH.
expect_shown() {
  wait_for_pixel "$id" "${new_swatch[@]}" "$3" 5 || fail "$1: the New swatch is not $3"
  local code
  code=$(html_code)
  [ "$code" = "$2" ] || fail "$1: Copy gave '$code', expected '$2'"
}

"$pelmora" &
pid=$!
id=$(wait_for_window "$main_title" 15) || fail "the main window never appeared"
wait_for_pixel "$id" 10 10 FFFFFF 10 || fail "the start-up field is not shown"
# Keys go to the window's own focus; the picture holds it at first.
start_picture=$(picker_picture)
start_swatch=$(pixel "${new_swatch[@]}")
start_code=$(html_code)

step "a pick in the field, then a cell of the custom grid"
under=$(pixel 100 100)
click 100 100
expect_shown "the field pick" "#$under" "$under"
click "${presets[@]}"
wait_for_pixel "$id" $(cell_center 216) 000000 5 || fail "the custom grid is not shown"
grid_picture=$(picker_picture)
click $(cell_center 20)
expect_shown "the cell pick" "#000000" 000000
[ "$(picker_picture)" != "$grid_picture" ] || fail "the cell pick moved no highlight"

step "Ctrl+Z twice"
key ctrl+z
expect_shown "the cell undone" "#$under" "$under"
[ "$(picker_picture)" = "$grid_picture" ] || fail "the grid is not shown as before the cell pick"
key ctrl+z
wait_for_pixel "$id" 265 10 FF0000 5 || fail "the picker did not come back"
expect_shown "the field pick undone" "$start_code" "$start_swatch"
[ "$(picker_picture)" = "$start_picture" ] || fail "the picker is not painted as at the start"

step "Ctrl+Shift+Z, and Ctrl+Y"
key ctrl+shift+z
wait_for_pixel "$id" $(cell_center 216) 000000 5 || fail "the redo did not bring the grid back"
expect_shown "the field pick redone" "#$under" "$under"
[ "$(picker_picture)" = "$grid_picture" ] || fail "the grid is not shown as undo left it"
key ctrl+z
wait_for_pixel "$id" 265 10 FF0000 5 || fail "the picker did not come back a second time"
key ctrl+y
expect_shown "Ctrl+Y" "#$under" "$under"
click "${presets[@]}"
wait_for_pixel "$id" 265 10 FF0000 5 || fail "Presets did not bring the picker back"

step "the hue box keeps the keys for its own text"
hue_before=$(box_text "${txt_h[@]}")
code_before=$(html_code)
click "${txt_h[@]}"
xdotool key ctrl+a
xdotool type --delay 50 200
sleep 0.3
xdotool key ctrl+z
[ "$(box_text "${txt_h[@]}")" = "$hue_before" ] || fail "Ctrl+Z in the hue box did not take its typing back"
xdotool key ctrl+y
typed_code=$(box_text "${txt_h[@]}")
[ "$typed_code" = 200 ] || fail "Ctrl+Y in the hue box gave '$typed_code', not its typing again"
[ "$(html_code)" != "$code_before" ] || fail "the typed hue did not reach the picker"
# Leaving the box makes the typing one step, which Ctrl+Z in a read-only box undoes.
click "${text1[@]}"
xdotool key ctrl+z
[ "$(box_text "${txt_h[@]}")" = "$hue_before" ] || fail "Ctrl+Z outside the box did not undo the typed hue"
click "${text1[@]}"
[ "$(html_code)" = "$code_before" ] || fail "the undone hue left another colour"

close_window "$id" || fail "could not ask the main window to close"
wait_for_exit "$pid" 10 || fail "the program still runs 10 s after its main window was closed"
pid=
echo "undo ok"
