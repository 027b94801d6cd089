#!/usr/bin/env bash
# The real program, driven as a user drives it, under scripts/xvfb-run-here.sh: picks in all three
# modes and checks that every Copy button puts the codes of the very pixel under the pointer on the
# clipboard; picks from the safe palette; stores a custom colour with "Add", closes the program, starts
# it again and finds the colour in the same cell and in the custom colours file; with the program's
# folder read-only, as installed, "Add" writes the per-user copy of the file instead, and
# `pelmora palette` exports and imports that same copy while the window runs.
#
# At the restart it also checks the order of the windows in the server's log: the splash first, then
# the main window and the help window, the splash hidden only once the main window is there.
#
# usage: pelmora_e2e_test.sh PELMORA CLOSE_WINDOW_PROGRAM HELP_RTF WINDOW_LOG_PROGRAM
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/xvfb-lib.sh"
[ $# -eq 4 ] || { echo "usage: $0 PELMORA CLOSE_WINDOW_PROGRAM HELP_RTF WINDOW_LOG_PROGRAM" >&2; exit 2; }
window_log_program=$4
export PELMORA_CLOSE_WINDOW=$2

readonly main_title='^Pelmora by Brightwell Studio$'
readonly help_title='^Readme/Help$'

# Places on the main window's client area, in pixels (the designed twips / 15).
readonly new_swatch=(454 101)        # lblSelColor inside Frame1 (300, 64)
readonly add_swatch=(442 180)        # lblADDColor inside Frame3 (296, 112)
readonly opt_h=(318 146) opt_s=(318 186) opt_b=(318 226)   # inside Frame2 (300, 112)
readonly presets=(433 33)            # Command3
readonly preset_list=(389 138)       # cmbPreset
readonly add_button=(389 229)        # cmdADD
# The Copy buttons inside Frame4 (4, 312), by cmdCopy index: RGB, HTML, decimal, hex.
readonly copy_buttons=("206 346" "206 378" "444 346" "444 382")
readonly slider_x=284                # a column inside the slider (277..291)

work=$(mktemp -d "${TMPDIR:-/tmp}/pelmora-e2e.XXXXXX")
program_folder=$work/program
mkdir -p "$program_folder" "$work/config/Pelmora" "$work/data"
cp "$1" "$program_folder/pelmora"
cp "$3" "$program_folder/Help.rtf"
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
settings_file=$work/config/Pelmora/Pelmora.conf
colors_file=$program_folder/usercolors.cps

# The command prefix that starts the program; the read-only folder case runs it as another user.
as_user=()
pid=
log_pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  [ -n "$log_pid" ] && kill "$log_pid" 2>/dev/null
  chmod -R u+w "$work" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

step() { echo "-- $*"; }
fail() {
  echo "FAIL: $*" >&2
  [ -n "${id:-}" ] && import -silent -window root "${PELMORA_E2E_SHOT:-/dev/null}" 2>/dev/null
  exit 1
}

# click ID "X Y" | click ID X Y: a left click there.
click() { local window=$1; shift; click_window "$window" $*; }

pixel() { window_pixel "$id" "$1" "$2"; }

# start_program [with-help]: starts pelmora from the program folder and waits for its main window
# showing the Hue-mode field of start-up (top-left white, bottom-left black); sets pid and id. With
# "with-help" the help window must open at start too; it is closed, and the main window lives on.
start_program() {
  local help
  "${as_user[@]}" "$program_folder/pelmora" &
  pid=$!
  id=$(wait_for_window "$main_title" 15) || fail "the main window never appeared"
  if [ "${1:-}" = with-help ]; then
    help=$(wait_for_window "$help_title" 10) || fail "the help window did not open at start"
    close_window "$help" && wait_for_window_gone "$help" 5 || fail "the help window does not close"
    kill -0 "$pid" 2>/dev/null && xdotool getwindowname "$id" >/dev/null 2>&1 \
      || fail "closing the help window closed the program"
  fi
  # The splash may still cover the main window: wait until the field itself is visible.
  wait_for_pixel "$id" 10 10 FFFFFF 10 && wait_for_pixel "$id" 10 265 000000 \
    || fail "the start-up field is not shown"
}

# stop_program: closes the main window as a window manager's close button does and expects the
# process to end by itself, with status 0.
stop_program() {
  close_window "$id" || fail "could not ask the main window to close"
  wait_for_exit "$pid" 10 || fail "the program still runs 10 s after its main window was closed"
  [ "$EXIT_STATUS" -eq 0 ] || fail "the program ended with status $EXIT_STATUS"
  pid= id=
}

# expect_copies RRGGBB: presses the four Copy buttons and expects each code of that colour.
expect_copies() {
  local r=$((16#${1:0:2})) g=$((16#${1:2:2})) b=$((16#${1:4:2})) i
  local expected=(
    "RGB($r, $g, $b)"
    "#$1"
    "$((r + 256 * g + 65536 * b))"
    "$(printf '&H%02X%02X%02X&' "$b" "$g" "$r")"
  )
  # Consecutive copies differ in format, so each wait sees the clipboard change.
  for i in 0 1 2 3; do
    click "$id" "${copy_buttons[$i]}"
    wait_for_clipboard "${expected[$i]}" 5 || fail "Copy $i after picking $1"
  done
}

# pick_field X Y: clicks the field at (X, Y) and expects the New swatch and all four codes to be the
# colour shown under the pointer. Sets picked to that colour.
pick_field() {
  local x=$1 y=$2 before under
  before=$(pixel "${new_swatch[@]}")
  # The ring marker leaves the pixel at its centre untouched, so the clicked pixel stays readable.
  [ "$(pixel "$x" "$y")" != "$before" ] || fail "($x, $y) already shows the New colour $before: choose another point"
  click "$id" "$x" "$y"
  same_as_swatch() { under=$(pixel "$x" "$y"); [ "$(pixel "${new_swatch[@]}")" = "$under" ]; }
  wait_until 5 same_as_swatch \
    || fail "after a click at ($x, $y) the New swatch is $(pixel "${new_swatch[@]}"), the field $(pixel "$x" "$y")"
  expect_copies "$under"
  picked=$under
}

# safe_color N: the colour of safe palette cell N as RRGGBB (red slowest, blue fastest; black after
# the 216 web-safe colours).
safe_color() {
  local m=$(($1 - 1))
  [ "$1" -gt 216 ] && { echo 000000; return; }
  printf '%02X%02X%02X\n' $((51 * (m / 36))) $((51 * (m / 6 % 6))) $((51 * (m % 6)))
}

# cell_center N: the middle pixel of grid cell N, "X Y".
cell_center() {
  echo $((10 + 18 * (($1 - 1) % 16) + 7)) $((10 + 18 * (($1 - 1) / 16) + 7))
}

# choose_preset up|down: opens cmbPreset and moves to the neighbouring item with the keyboard.
choose_preset() {
  click "$id" "${preset_list[*]}"
  wait_for_popup "$pid" "$id" 5 >/dev/null || fail "the preset list did not open"
  if [ "$1" = down ]; then xdotool key Down Return; else xdotool key Up Return; fi
}

printf '[Settings]\nshowHelp=0\n' >"$settings_file"
step "start with showHelp=0"
start_program

step "Hue mode: field, slider, field again"
pick_field 100 50
click "$id" "$slider_x 100"
hue=$(pixel 280 100)
# The Hue-mode field is repainted for the new hue when the button is released: its top-right pixel
# is the pure hue.
wait_for_pixel "$id" 265 10 "$hue" 5 || fail "the field was not repainted for hue $hue"
pick_field 200 120

step "Saturation mode"
click "$id" "${opt_s[*]}"
wait_for_pixel "$id" "$slider_x" 265 FFFFFF 5 || fail "optS did not paint the saturation slider"
# The slider's top row is the colour under the field marker: with the slider marker there, a field
# pick selects exactly the pixel under the pointer.
click "$id" "$slider_x 10"
pick_field 180 120

step "Brightness mode"
click "$id" "${opt_b[*]}"
wait_for_pixel "$id" "$slider_x" 265 000000 5 || fail "optB did not paint the brightness slider"
# optB puts the slider marker at the brightness in its box; at the top row, full brightness, a
# field pick again selects exactly the pixel under the pointer.
click "$id" "$slider_x 10"
pick_field 60 200
added=$picked

step "safe palette"
click "$id" "${presets[*]}"
wait_for_pixel "$id" "${add_swatch[@]}" "$added" 5 || fail "the add swatch did not take the New colour"
choose_preset down
wait_for_pixel "$id" $(cell_center 216) FFFFFF 5 || fail "the safe palette is not shown"
for cell in 100 31 217; do
  wait_for_pixel "$id" $(cell_center $cell) "$(safe_color $cell)" 1 \
    || fail "safe palette cell $cell is not $(safe_color $cell)"
done
click "$id" "$(cell_center 100)"
wait_for_pixel "$id" "${new_swatch[@]}" "$(safe_color 100)" 5 || fail "cell 100 did not become the New colour"
expect_copies "$(safe_color 100)"
# The black cells after the 216 safe colours: the panel describes the black just picked.
click "$id" "$(cell_center 220)"
wait_for_pixel "$id" "${new_swatch[@]}" 000000 5 || fail "cell 220 did not make black the New colour"
expect_copies 000000

step "custom grid: Add"
choose_preset up
wait_for_pixel "$id" $(cell_center 216) 000000 5 || fail "the custom grid is not shown"
[ ! -e "$colors_file" ] || fail "opening the custom grid wrote $colors_file"
click "$id" "$(cell_center 37)"
click "$id" "${add_button[*]}"
wait_for_pixel "$id" $(cell_center 37) "$added" 5 || fail "Add did not paint cell 37"
wait_until 5 test -s "$colors_file" || fail "Add did not write $colors_file"

# check_colors_file: 225 CR LF lines, " 0 " everywhere but line 38 (cell 37), which holds the colour.
check_colors_file() {
  local value=$((16#${added:0:2} + 256 * 16#${added:2:2} + 65536 * 16#${added:4:2}))
  local expected
  expected=$(for i in $(seq 0 224); do
    if [ "$i" -eq 37 ]; then printf ' %d \r\n' "$value"; else printf ' 0 \r\n'; fi
  done | od -An -c)
  [ "$(od -An -c "$colors_file")" = "$expected" ] \
    || fail "$colors_file is not 225 lines with $value for cell 37:$(head -c 600 "$colors_file" | od -c | head -20)"
}
check_colors_file
[ -z "$(xdotool search --onlyvisible --name "$help_title" 2>/dev/null)" ] \
  || fail "the help window opened although showHelp is 0"

step "close and start again (showHelp unset, Help.rtf beside the program)"
stop_program
rm -f "$settings_file"
window_log=$work/windows.log
"$window_log_program" >"$window_log" &
log_pid=$!
wait_until 5 grep -qx ready "$window_log" || fail "the window log did not start"
start_program with-help
kill "$log_pid"; wait "$log_pid" 2>/dev/null; log_pid=
# line_of EVENT NAME: the line number of the first such event in the log, empty when there is none.
line_of() { grep -n -x -m 1 "$1 $2" "$window_log" | cut -d: -f1; }
splash_shown=$(line_of map Pelmora) main_shown=$(line_of map "Pelmora by Brightwell Studio")
help_shown=$(line_of map Readme/Help) splash_hidden=$(line_of unmap Pelmora)
[ -n "$splash_shown" ] && [ -n "$main_shown" ] && [ -n "$help_shown" ] && [ -n "$splash_hidden" ] \
  || fail "windows missing from the log: $(tr '\n' ';' <"$window_log")"
[ "$splash_shown" -lt "$main_shown" ] && [ "$splash_shown" -lt "$help_shown" ] \
  && [ "$main_shown" -lt "$splash_hidden" ] \
  || fail "windows out of order: $(tr '\n' ';' <"$window_log")"
click "$id" "${presets[*]}"
wait_for_pixel "$id" $(cell_center 37) "$added" 5 || fail "cell 37 lost its colour after a restart"
wait_for_pixel "$id" $(cell_center 36) 000000 1 || fail "cell 36 changed although nothing was added there"
check_colors_file
[ -z "$(find "$work/data" -name usercolors.cps)" ] \
  || fail "the colours file was written to the data folder although the program folder is writable"
stop_program

step "read-only program folder: Add writes the per-user file"
# Installed system-wide, the program's folder is not the user's to write. The superuser may write
# anywhere, so as the superuser the program runs as nobody.
rm -f "$colors_file"
chmod a-w "$program_folder"
printf '[Settings]\nshowHelp=0\n' >"$settings_file"
export XDG_DATA_HOME=$work/user-data XDG_RUNTIME_DIR=$work/user-runtime
mkdir -p "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
chmod 700 "$XDG_RUNTIME_DIR"
if [ "$(id -u)" -eq 0 ]; then
  chmod -R a+rX "$work"
  chmod 700 "$XDG_RUNTIME_DIR"
  chown 65534:65534 "$XDG_DATA_HOME" "$XDG_RUNTIME_DIR"
  as_user=(setpriv --reuid=65534 --regid=65534 --clear-groups --)
fi
start_program
pick_field 150 90
added=$picked
click "$id" "${presets[*]}"
wait_for_pixel "$id" "${add_swatch[@]}" "$added" 5 || fail "the add swatch did not take the New colour"
wait_for_pixel "$id" $(cell_center 37) 000000 5 || fail "the per-user custom grid does not start black"
click "$id" "$(cell_center 37)"
click "$id" "${add_button[*]}"
wait_for_pixel "$id" $(cell_center 37) "$added" 5 || fail "Add did not paint cell 37"
colors_file=$XDG_DATA_HOME/Pelmora/Pelmora/usercolors.cps
wait_until 5 test -s "$colors_file" || fail "Add did not write $colors_file: $(find "$work" -name usercolors.cps)"
check_colors_file
[ ! -e "$program_folder/usercolors.cps" ] || fail "a file appeared in the read-only program folder"

step "read-only program folder: the palette command shares the window's custom colours"
palette() { "${as_user[@]}" "$program_folder/pelmora" palette "$@"; }
exported=$(palette export --format hex --set-only) || fail "palette export failed"
[ "$exported" = "#$added" ] || fail "palette export does not show the window's Add of #$added: '$exported'"
printf '#000000\n#ff0000\n' >"$work/black-red.txt"
chmod a+r "$work/black-red.txt"
imported=$(palette import --cell 38 "$work/black-red.txt") || fail "palette import failed"
[ "$imported" = "Imported 2 colours into cells 38 to 39." ] || fail "palette import said '$imported'"
click "$id" "${presets[*]}"                 # back to the picker, and the grid read again
click "$id" "${presets[*]}"
wait_for_pixel "$id" $(cell_center 39) FF0000 5 || fail "the window does not show the red imported into cell 39"
wait_for_pixel "$id" $(cell_center 37) "$added" 1 || fail "the import lost the window's cell 37"
exported=$(palette export --format hex --set-only) || fail "palette export failed"
[ "$exported" = "#$added"$'\n#000000\n#FF0000' ] \
  || fail "palette export --set-only after the import gives '$exported', not the added colour, black and red"
[ -z "$(find "$work/user-data" -name usercolors.cps ! -path "*/Pelmora/Pelmora/*")" ] \
  || fail "a second custom colours file: $(find "$work/user-data" -name usercolors.cps)"
stop_program
echo "pelmora end-to-end ok"
