#!/usr/bin/env bash
# Proves the real-window harness: run under scripts/xvfb-run-here.sh with the target program and the
# window closer. Finds the window, reads its pixels, clicks it, reads the clipboard, closes it.
#
# usage: harness_test.sh TARGET_PROGRAM CLOSE_WINDOW_PROGRAM
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/xvfb-lib.sh"
target=$1
export PELMORA_CLOSE_WINDOW=$2

fail() { echo "FAIL: $*" >&2; kill "$pid" 2>/dev/null; exit 1; }

"$target" &
pid=$!
id=$(wait_for_window '^Pelmora harness target$' 10) || fail "the window never appeared"
echo "window $id at $(window_origin "$id")"

wait_for_pixel "$id" 50 40 2040C0 || fail "the window does not show its first colour"
click_window "$id" 3 3 3   # a right click changes nothing
sleep 0.3
wait_for_pixel "$id" 50 40 2040C0 || fail "a right click changed the window"
click_window "$id" 50 40
click_window "$id" 50 40   # again on the same spot: the pointer is already there
wait_for_pixel "$id" 199 149 E06010 || fail "the click did not reach the window"
[ "$(clipboard_text)" = "clicked at 50,40" ] || fail "clipboard holds '$(clipboard_text)'"
drag_window "$id" 10 10 120 90
[ "$(clipboard_text)" = "clicked at 10,10" ] || fail "a drag did not press where it started"

close_window "$id" || fail "could not ask the window to close"
for _ in $(seq 1 50); do
  kill -0 "$pid" 2>/dev/null || break
  sleep 0.1
done
kill -0 "$pid" 2>/dev/null && fail "the program did not end after its window closed"
wait "$pid"
status=$?
[ "$status" -eq 0 ] || fail "the program ended with status $status"
echo "harness ok"
