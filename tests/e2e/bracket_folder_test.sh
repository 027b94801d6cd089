#!/usr/bin/env bash
# The real program started from a folder whose name holds brackets and braces, as copies made by file
# managers are named ("Pelmora [copy]"): the help window opens at the first start and the first
# setting is written, exactly as from a plainly named folder.
#
# usage: bracket_folder_test.sh PELMORA CLOSE_WINDOW_PROGRAM HELP_RTF   (under scripts/xvfb-run-here.sh)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/xvfb-lib.sh"
[ $# -eq 3 ] || { echo "usage: $0 PELMORA CLOSE_WINDOW_PROGRAM HELP_RTF" >&2; exit 2; }
export PELMORA_CLOSE_WINDOW=$2

work=$(mktemp -d "${TMPDIR:-/tmp}/pelmora-brackets.XXXXXX")
pid=
cleanup() {
  [ -n "$pid" ] && kill "$pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

export XDG_CONFIG_HOME=$work/config
settings_file=$XDG_CONFIG_HOME/Pelmora/Pelmora.conf

for folder in "Pelmora [copy]" "Pelmora {1} [a-z]"; do
  echo "-- started from '$folder', nothing stored yet"
  rm -rf "$XDG_CONFIG_HOME"
  program_folder=$work/$folder
  mkdir -p "$program_folder"
  cp "$1" "$program_folder/pelmora"
  cp "$3" "$program_folder/Help.rtf"

  "$program_folder/pelmora" &
  pid=$!
  main=$(wait_for_window '^Pelmora by Brightwell Studio$' 15) || fail "the main window never appeared"
  help=$(wait_for_window '^Readme/Help$' 10) || fail "no help window from '$folder'"
  # Start-up only reads the settings; the user's clicks write them.
  [ ! -e "$settings_file" ] || fail "start-up wrote $settings_file"

  close_window "$help" && wait_for_window_gone "$help" 5 || fail "the help window does not close"
  close_window "$main" || fail "could not ask the main window to close"
  wait_for_exit "$pid" 10 || fail "the program still runs after its main window was closed"
  [ "$EXIT_STATUS" -eq 0 ] || fail "the program ended with status $EXIT_STATUS"
  pid=
done
echo "PASS"
