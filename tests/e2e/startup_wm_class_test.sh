#!/usr/bin/env bash
# The desktop entry's StartupWMClass is the class X11 gives the program's windows, so a dock or task
# bar groups the running program under its launcher: the main window and the help window both.
#
# usage: startup_wm_class_test.sh PELMORA CLOSE_WINDOW_PROGRAM DESKTOP_ENTRY   (under scripts/xvfb-run-here.sh)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/xvfb-lib.sh"
[ $# -eq 3 ] || { echo "usage: $0 PELMORA CLOSE_WINDOW_PROGRAM DESKTOP_ENTRY" >&2; exit 2; }
export PELMORA_CLOSE_WINDOW=$2
fail() { echo "FAIL: $*" >&2; exit 1; }

wanted=$(sed -n 's/^StartupWMClass=//p' "$3")
[ -n "$wanted" ] || fail "$3 has no StartupWMClass"

"$1" &
pid=$!
trap 'kill "$pid" 2>/dev/null' EXIT
main=$(wait_for_window '^Pelmora by Brightwell Studio$' 15) || fail "the main window never appeared"
help=$(wait_for_window '^Readme/Help$' 10) || fail "the help window never appeared"
for id in "$main" "$help"; do
  # WM_CLASS(STRING) = "instance", "Class": the class is what StartupWMClass names.
  class=$(xprop -id "$id" WM_CLASS | sed -n 's/^WM_CLASS(STRING) = "[^"]*", "\([^"]*\)"$/\1/p')
  [ "$class" = "$wanted" ] || fail "window $(xdotool getwindowname "$id") has class '$class', the entry says '$wanted'"
done
close_window "$main"
echo "PASS: class $wanted"
