#!/usr/bin/env bash
# The colour history across runs, as a user sees it (under scripts/xvfb-run-here.sh): colours kept
# with Keep are in the history swatches again after a restart; "Clear History" in the history's
# context menu empties it, and it is still empty at the next start. F1 opens the help window also
# with "Show at Startup" off.
#
# usage: history_e2e_test.sh PELMORA (with Help.rtf beside it)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/xvfb-lib.sh"
pelmora=$1

readonly main_title='^Pelmora by Brightwell Studio$'
readonly help_title='^Readme/Help$'
# Places on the main window's client area, in pixels (the designed twips / 15).
readonly new_swatch=(454 101)   # lblSelColor inside Frame1
readonly keep_button=(345 33)   # Command1
# The middle of history swatch N (0 the newest), inside Frame5 (4, 264).
history_swatch() { echo $((27 + 25 * $1)) 292; }

work=$(mktemp -d "${TMPDIR:-/tmp}/pelmora-history.XXXXXX")
mkdir -p "$work/config/Pelmora"
export XDG_CONFIG_HOME=$work/config
settings=$work/config/Pelmora/Pelmora.conf
pid= id=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; [ -f "$settings" ] && sed 's/^/  settings: /' "$settings" >&2; exit 1; }
pixel() { window_pixel "$id" "$1" "$2"; }

# start: starts the program, waits for the start-up field (top-left white); sets pid and id.
start() {
  "$pelmora" &
  pid=$!
  id=$(wait_for_window "$main_title" 15) || fail "the main window never appeared"
  wait_for_pixel "$id" 10 10 FFFFFF 10 || fail "the start-up field is not shown"
}
stop() {
  close_window "$id" || fail "could not ask the main window to close"
  wait_for_exit "$pid" 10 || fail "the program still runs after its main window was closed"
  [ "$EXIT_STATUS" -eq 0 ] || fail "the program ended with status $EXIT_STATUS"
  pid= id=
}
# swatches: the 18 history swatches' colours, newest first, on one line.
swatches() {
  local i
  for i in $(seq 0 17); do pixel $(history_swatch "$i"); done | tr '\n' ' '
}

printf '[Settings]\nshowHelp=0\n' >"$settings"
start
empty=$(pixel $(history_swatch 17))
[ "$(swatches)" = "$(for _ in $(seq 0 17); do printf '%s ' "$empty"; done)" ] \
  || fail "a first start shows a history: $(swatches)"

# Three colours from the field, each kept: the newest comes first.
kept=()
for point in "60 60" "200 100" "120 220"; do
  click_window "$id" $point
  under=$(pixel $point)
  wait_for_pixel "$id" "${new_swatch[@]}" "$under" 5 || fail "a click at ($point) did not make $under the New colour"
  click_window "$id" "${keep_button[@]}"
  wait_for_pixel "$id" $(history_swatch 0) "$under" 5 || fail "Keep did not put $under first in the history"
  kept=("$under" "${kept[@]}")
done
[ "$(printf '%s\n' "${kept[@]}" | sort -u | wc -l)" -eq 3 ] || fail "the three picks are not three colours: ${kept[*]}"
for i in 0 1 2; do
  [ "$(pixel $(history_swatch $i))" = "${kept[$i]}" ] || fail "history swatch $i is not ${kept[$i]}"
done
before=$(swatches)
stop
grep -q '^colors=' "$settings" || fail "the history was not stored"

start
wait_for_pixel "$id" $(history_swatch 0) "${kept[0]}" 5 || fail "after a restart the newest swatch is not ${kept[0]}"
[ "$(swatches)" = "$before" ] || fail "after a restart the history is
  $(swatches), it was
  $before"

# F1 opens the help window though "Show at Startup" is off.
# (A click on a swatch, which only shows its codes, gives the window the keyboard.)
click_window "$id" $(history_swatch 0)
xdotool key F1
help=$(wait_for_window "$help_title" 10) || fail "F1 did not open the help window"
close_window "$help" && wait_for_window_gone "$help" 5 || fail "the help window does not close"

# Clear History: the last entry of the history's context menu.
click_window "$id" $(history_swatch 1) 3
wait_for_popup "$pid" "$id" 5 >/dev/null || fail "the history's context menu did not open"
xdotool key Up Return
wait_for_pixel "$id" $(history_swatch 0) "$empty" 5 || fail "Clear History left the newest swatch"
[ "$(swatches)" = "$(for _ in $(seq 0 17); do printf '%s ' "$empty"; done)" ] \
  || fail "Clear History left $(swatches)"
stop

start
sleep 0.5
[ "$(swatches)" = "$(for _ in $(seq 0 17); do printf '%s ' "$empty"; done)" ] \
  || fail "the cleared history came back at the next start: $(swatches)"
stop
echo "the history is kept, cleared and stays cleared"
