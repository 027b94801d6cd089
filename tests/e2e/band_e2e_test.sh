#!/usr/bin/env bash
# The band below About and Visit in the real program, under scripts/xvfb-run-here.sh: a notation
# chosen in the notation row with the keyboard and copied (xclip reads it); the custom colours
# exported through the window's file dialog; after a restart with an emptied grid, imported back.
#
# usage: band_e2e_test.sh PELMORA CLOSE_WINDOW_PROGRAM
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/xvfb-lib.sh"
[ $# -eq 2 ] || { echo "usage: $0 PELMORA CLOSE_WINDOW_PROGRAM" >&2; exit 2; }
export PELMORA_CLOSE_WINDOW=$2

readonly main_title='^Pelmora by Brightwell Studio$'
# Places on the main window's client area, in pixels.
readonly presets=(433 33) import_button=(153 461) export_button=(215 461)
readonly notation_list=(79 489) notation_copy=(439 489) html_copy=(206 378)
readonly first_cell=(17 17)
readonly opt_b=(318 226)                 # inside Frame2 (300, 112)

work=$(mktemp -d "${TMPDIR:-/tmp}/pelmora-band.XXXXXX")
program_folder=$work/program
mkdir -p "$program_folder" "$work/config/Pelmora" "$work/data"
cp "$1" "$program_folder/pelmora"
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
# Qt's own file dialog, as on a desktop without a platform theme.
unset XDG_CURRENT_DESKTOP DESKTOP_SESSION
printf '[Settings]\nshowHelp=0\n' >"$work/config/Pelmora/Pelmora.conf"
colors_file=$program_folder/usercolors.cps
palette_file=$work/out/colours.gpl
mkdir -p "$work/out"

pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

step() { echo "-- $*"; }
fail() { echo "FAIL: $*" >&2; exit 1; }
click() { local window=$1; shift; click_window "$window" $*; }

start_program() {
  "$program_folder/pelmora" &
  pid=$!
  id=$(wait_for_window "$main_title" 15) || fail "the main window never appeared"
  wait_for_pixel "$id" 10 10 FFFFFF 10 || fail "the start-up field is not shown"
}
stop_program() {
  close_window "$id" || fail "could not ask the main window to close"
  wait_for_exit "$pid" 10 || fail "the program still runs after its window was closed"
  pid= id=
}
# answer_dialog TITLE PATH: types PATH into the file dialog called TITLE and presses Enter.
answer_dialog() {
  local dialog
  dialog=$(wait_for_window "$1" 10) || fail "no dialog \"$1\""
  xdotool windowfocus --sync "$dialog" 2>/dev/null
  sleep 0.3
  xdotool key --window "$dialog" ctrl+a
  xdotool type --window "$dialog" --delay 5 "$2"
  xdotool key --window "$dialog" Return
  # The first Enter may only take the name the completer offers.
  wait_for_window_gone "$dialog" 2 || xdotool key --window "$dialog" Return
  wait_for_window_gone "$dialog" 10 || fail "the dialog \"$1\" stays open"
}
# The custom colours file: element 0, cell 1 red, cell 2 green, cell 3 #123456, the rest black.
write_colors() {
  { printf ' 0 \r\n %s \r\n %s \r\n %s \r\n' "$@"; for _ in $(seq 4 224); do printf ' 0 \r\n'; done; } >"$colors_file"
}
cell_value() { sed -n "$(($1 + 1))p" "$colors_file" | tr -d ' \r'; }

step "notation row: choose CSS rgb() with the keyboard and copy it"
write_colors 255 65280 $((0x56 * 65536 + 0x34 * 256 + 0x12))
start_program
click "$id" 120 60                       # a pick in the field
click "$id" "${html_copy[@]}"
wait_until 5 bash -c 'xclip -o -selection clipboard 2>/dev/null | grep -q "^#"' || fail "HTML Copy"
html=$(clipboard_text)
click "$id" "${notation_list[@]}"          # opens the list; Escape closes it and keeps the focus
sleep 0.3
xdotool key Escape Home Down Down Down Down Down   # the sixth notation: CSS rgb()
expected=$("$program_folder/pelmora" codes --format css-rgb "$html") || fail "codes --format css-rgb $html"
click "$id" "${notation_copy[@]}"
wait_for_clipboard "$expected" 5 || fail "Copy in the notation row after choosing CSS rgb()"
stop_program
grep -q '^chosen=css-rgb$' "$work/config/Pelmora/Pelmora.conf" || fail "the chosen notation was not remembered"

step "one colour: B: right after start picks the brightness in its box; the band copies the panel's colour"
start_program
printf 'untouched' | xclip -selection clipboard
click "$id" "${notation_copy[@]}"          # no colour chosen yet: Copy is greyed
sleep 0.3
[ "$(clipboard_text)" = untouched ] || fail "the notation row copied \"$(clipboard_text)\" before any colour was chosen"
click "$id" "${opt_b[@]}"
click "$id" 120 60                       # a pale green in the Brightness-mode field
click "$id" "${html_copy[@]}"
wait_until 5 bash -c 'xclip -o -selection clipboard 2>/dev/null | grep -q "^#"' || fail "HTML Copy after B:"
html=$(clipboard_text)
# The B box says 100: the brightest channel is full.
printf '%s\n' "${html:1:2}" "${html:3:2}" "${html:5:2}" | grep -qx FF \
  || fail "B: right after start picked $html, not a colour of brightness 100"
expected=$("$program_folder/pelmora" codes --format css-rgb "$html") || fail "codes --format css-rgb $html"
click "$id" "${notation_copy[@]}"
wait_for_clipboard "$expected" 5 || fail "the notation row does not describe the panel's $html"
stop_program

step "export the custom colours through the file dialog"
start_program
click "$id" "${presets[@]}"
wait_for_pixel "$id" "${first_cell[@]}" FF0000 10 || fail "the custom colours grid is not shown"
click "$id" "${export_button[@]}"          # its menu: the first entry exports all cells
wait_for_popup "$pid" "$id" 10 >/dev/null || fail "Export's menu did not open"
sleep 0.2
xdotool key Down Return
answer_dialog '^Export the Custom Colors$' "$palette_file"
wait_until 5 test -s "$palette_file" || fail "no palette file was written"
[ "$(head -n 1 "$palette_file")" = "GIMP Palette" ] || fail "the palette file is no GIMP palette"
grep -q $'^255   0   0\tred$\|^255 0 0\tred$' "$palette_file" || fail "cell 1 is not red in the palette: $(sed -n 1,8p "$palette_file")"
[ "$(grep -c $'\t' "$palette_file")" -eq 224 ] || fail "the palette does not hold 224 colours"
stop_program

step "empty the grid, start again and import the palette back"
write_colors 0 0 0
start_program
click "$id" "${presets[@]}"
wait_for_pixel "$id" "${first_cell[@]}" 000000 10 || fail "the emptied custom colours grid is not shown"
click "$id" "${first_cell[@]}"
click "$id" "${import_button[@]}"
answer_dialog '^Import a Palette$' "$palette_file"
wait_until 5 bash -c "[ \"\$(sed -n 2p '$colors_file' | tr -d ' \r')\" = 255 ]" || fail "cell 1 was not imported"
[ "$(cell_value 2)" = 65280 ] && [ "$(cell_value 3)" = $((0x56 * 65536 + 0x34 * 256 + 0x12)) ] \
  || fail "cells 2 and 3 hold $(cell_value 2) and $(cell_value 3)"
wait_for_pixel "$id" "${first_cell[@]}" FF0000 5 || fail "the grid does not show the imported red"
stop_program
echo "band end to end: all steps passed"
