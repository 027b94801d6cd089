#!/usr/bin/env bash
# The band's contrast line in the real program, under scripts/xvfb-run-here.sh: a light colour
# picked in the field fails AA against the first-start white background; a click on the suggestion
# beside the levels makes it the current colour, and the HTML code copied is the one
# `pelmora contrast A white --suggest AA` prints. Then, by the keyboard only, the line's menu aims
# at AAA and chooses a black background, Tab and Enter take that suggestion, and both choices are
# in the settings file after the program has closed.
#
# usage: contrast_e2e_test.sh PELMORA CLOSE_WINDOW_PROGRAM
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/xvfb-lib.sh"
[ $# -eq 2 ] || { echo "usage: $0 PELMORA CLOSE_WINDOW_PROGRAM" >&2; exit 2; }
export PELMORA_CLOSE_WINDOW=$2
pelmora=$1

readonly main_title='^Pelmora by Brightwell Studio$'
# Places on the main window's client area, in pixels: HTML's Copy, the contrast line's row (its
# label's text starts after the sample at its left end) and where the suggestion may lie on it.
readonly html_copy=(206 378)
readonly line_y=499 line_text_x=60 line_left=4 line_width=472

work=$(mktemp -d "${TMPDIR:-/tmp}/pelmora-contrast.XXXXXX")
mkdir -p "$work/config/Pelmora" "$work/data"
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data
settings=$work/config/Pelmora/Pelmora.conf
printf '[Settings]\nshowHelp=0\n' >"$settings"

pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

step() { echo "-- $*"; }
fail() { echo "FAIL: $*" >&2; exit 1; }

# The HTML code of the current colour, through its Copy button and the clipboard.
copied_html() {
  printf 'none' | xclip -selection clipboard
  click_window "$id" "${html_copy[@]}" || return 1
  wait_until 5 bash -c 'xclip -o -selection clipboard 2>/dev/null | grep -q "^#"' || return 1
  clipboard_text
}
# suggestion_for CODE LEVEL BACKGROUND: the command line's nearest passing colour, as RRGGBB.
suggestion_for() {
  "$pelmora" contrast "$1" "$3" --suggest "$2" | sed -n 's/^Suggestion: #\([0-9a-f]\{6\}\) .*/\1/p' | tr 'a-f' 'A-F'
}
# find_on_line RRGGBB: the x (in the window) of the first pixel of that colour on the contrast line.
find_on_line() {
  local origin x y
  origin=$(window_origin "$id") || return 1
  read -r x y <<<"$origin"
  import -silent -window root -crop "${line_width}x1+$((x + line_left))+$((y + line_y))" +repage -depth 8 rgb:- \
    2>/dev/null | od -An -v -tx1 | tr -d ' \n' | tr 'a-f' 'A-F' | fold -w 6 | grep -n -m 1 -x "$1" \
    | cut -d: -f1 | { read -r n && echo $((line_left + n - 1)); }
}

"$pelmora" &
pid=$!
id=$(wait_for_window "$main_title" 15) || fail "the main window never appeared"
wait_for_pixel "$id" 10 10 FFFFFF 10 || fail "the start-up field is not shown"

step "a light colour fails AA against white: a click on the suggestion takes it"
click_window "$id" 40 30                  # Hue mode on red: a pale pink
picked=$(copied_html) || fail "HTML Copy after the pick"
expected=$(suggestion_for "$picked" AA white)
[ -n "$expected" ] || fail "pelmora contrast $picked white --suggest AA suggests nothing"
x=
for _ in $(seq 1 50); do
  x=$(find_on_line "$expected") && [ -n "$x" ] && break
  sleep 0.1
done
[ -n "$x" ] || fail "no swatch of #$expected on the contrast line for $picked"
click_window "$id" $((x + 3)) "$line_y"
taken=$(copied_html) || fail "HTML Copy after taking the suggestion"
[ "$taken" = "#$expected" ] || fail "the suggestion for $picked made $taken current, not #$expected"

step "by the keyboard: AAA, a black background, Tab and Enter on the suggestion"
click_window "$id" 60 150                 # a mid red, which passes AA against white but not AAA
picked=$(copied_html) || fail "HTML Copy after the second pick"
click_window "$id" "$line_text_x" "$line_y"   # the focus on the contrast line
xdotool key Menu
wait_for_popup "$pid" "$id" 5 >/dev/null || fail "the menu key opened no menu on the contrast line"
xdotool key e                             # Suggest for AAA (Enhanced)
wait_until 5 bash -c "! xdotool search --onlyvisible --pid $pid 2>/dev/null | grep -vqx $id" \
  || fail "the contrast menu stays open"
xdotool key shift+F10
wait_for_popup "$pid" "$id" 5 >/dev/null || fail "Shift+F10 opened no menu on the contrast line"
xdotool key b                             # Black Background
sleep 0.3
expected=$(suggestion_for "$picked" AAA black)
[ -n "$expected" ] || fail "pelmora contrast $picked black --suggest AAA suggests nothing"
xdotool key Tab Return
taken=$(copied_html) || fail "HTML Copy after Enter on the suggestion"
[ "$taken" = "#$expected" ] || fail "Enter on the suggestion for $picked made $taken current, not #$expected"

close_window "$id" || fail "could not ask the main window to close"
wait_for_exit "$pid" 10 || fail "the program still runs after its window was closed"
pid=
grep -qx 'aim=AAA' "$settings" && grep -qx 'background=#000000' "$settings" \
  || fail "the choices were not remembered: $(cat "$settings")"
echo "contrast end to end: all steps passed"
