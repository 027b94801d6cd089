#!/usr/bin/env bash
# Saves a PNG of each of Pelmora's windows, as users see them, into OUT_DIR (default build/screenshots
# of the source tree): the splash, the main window in Hue and Saturation mode, with the custom grid
# and the safe palette, the help window and the About window. Builds nothing: BUILD_DIR must hold a
# built pelmora (with Help.rtf beside it) and tests/e2e/x11_close_window.
#
# usage: scripts/screenshots.sh BUILD_DIR [OUT_DIR]
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
if [ $# -lt 1 ]; then
  echo "usage: $0 BUILD_DIR [OUT_DIR]" >&2
  exit 2
fi
build=$(cd "$1" && pwd)
out=${2:-$here/../build/screenshots}
mkdir -p "$out"
out=$(cd "$out" && pwd)

if [ -z "${PELMORA_SCREENSHOTS_INSIDE:-}" ]; then
  for file in "$build/app/pelmora" "$build/tests/e2e/x11_close_window"; do
    [ -x "$file" ] || { echo "$0: $file is not built" >&2; exit 2; }
  done
  [ -f "$build/app/Help.rtf" ] || echo "$0: no Help.rtf beside the program: help.png will be missing" >&2
  PELMORA_SCREENSHOTS_INSIDE=1 exec bash "$here/xvfb-run-here.sh" bash "$0" "$build" "$out"
fi

# shellcheck source=xvfb-lib.sh
source "$here/xvfb-lib.sh"
export PELMORA_CLOSE_WINDOW="$build/tests/e2e/x11_close_window"

pelmora_pid=
finish() { [ -n "$pelmora_pid" ] && kill "$pelmora_pid" 2>/dev/null; wait 2>/dev/null || true; }
trap finish EXIT
fail() { echo "screenshots: $*" >&2; exit 1; }

# shot ID NAME: the window's own pixels, after a moment for the last repaint to land.
shot() {
  sleep 0.3
  import -silent -window "$1" "$out/$2.png" || fail "could not capture $2"
  echo "saved $out/$2.png"
}

# Control centres in the main window's client area (pixels).
readonly opt_s=(327 186) presets_button=(433 33) preset_list=(389 138) about_button=(120 422)

# The splash lives only 75 timer ticks, so it is caught by polling rather than by a waiting search.
"$build/app/pelmora" &
pelmora_pid=$!
splash=
for _ in $(seq 1 400); do
  splash=$(xdotool search --onlyvisible --name '^Pelmora$' 2>/dev/null | head -n 1) && [ -n "$splash" ] && break
  sleep 0.005
done
if [ -n "$splash" ]; then
  import -silent -window "$splash" "$out/splash.png" && echo "saved $out/splash.png"
else
  echo "screenshots: the splash was gone before it could be captured" >&2
fi

main=$(wait_for_window '^Pelmora by ' 15) || fail "no main window"
if help=$(wait_for_window '^Readme/Help$' 5); then
  shot "$help" help
  close_window "$help"
  wait_for_window_gone "$help" || fail "the help window did not close"
fi
shot "$main" main

click_window "$main" "${opt_s[@]}"
shot "$main" main-saturation

click_window "$main" "${presets_button[@]}"
shot "$main" main-presets

click_window "$main" "${preset_list[@]}"
sleep 0.3
xdotool key Down Return
shot "$main" main-safe-palette

click_window "$main" "${about_button[@]}"
about=$(wait_for_window '^About ' 5) || fail "no About window"
shot "$about" about

close_window "$main"
wait "$pelmora_pid" 2>/dev/null || true
pelmora_pid=
