#!/usr/bin/env bash
# The loupe on a screenshot on a real Wayland compositor (under scripts/weston-run-here.sh, at the
# scale it was given), with a stand-in desktop portal on a private session bus: the window opens
# full-screen and shows the served picture pixel for pixel, the loupe picks from it (keys and clicks
# sent below the window: the compositor has no input devices); a cancel in the portal ends
# `pelmora pick` with status 1; a refusal, a portal without the Screenshot method and one that does
# not answer hand the pick to the portal's own picker with a note on standard error; and once
# through the real xdg-desktop-portal with a stand-in back-end.
#
# usage: PELMORA_WESTON_SCALE=S frozen_loupe_weston_test.sh PELMORA DRIVER STAND_IN_DIR
set -uo pipefail
pelmora=$1
driver=$2
stand_ins=$3
bus_conf="$stand_ins/private-session.conf"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() {
  echo "FAIL: $*" >&2
  [ -s "$work/err" ] && sed 's/^/  stderr: /' "$work/err" >&2
  exit 1
}

# on_private_bus SHOT CMD...: runs CMD on a private session bus that a stand-in portal serves (PickColor
# answers #8033FF; SHOT says what Screenshot does), output in $work/out and $work/err.
on_private_bus() {
  local shot=$1
  shift
  cat >"$work/run.sh" <<SCRIPT
/usr/bin/python3 "$stand_ins/stand_in_portal.py" pick --screenshot $shot --picture 1024x768 \
  --folder "$work/pictures" --keep "$work/served.png" --log "$work/calls.log" & portal=\$!
for _ in \$(seq 1 200); do
  dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
    string:org.freedesktop.portal.Desktop 2>/dev/null | grep -q 'boolean true' && break
  sleep 0.05
done
"\$@"
status=\$?
kill \$portal
exit \$status
SCRIPT
  rm -rf "$work/pictures" "$work/calls.log"
  mkdir -p "$work/pictures"
  dbus-run-session --config-file="$bus_conf" -- bash "$work/run.sh" "$@" >"$work/out" 2>"$work/err"
}

# The pattern's colour at picture pixel (X, Y) (stand_in_portal.py), outside its checkerboard.
pattern() { printf '#%02x%02x%02x' $(($1 & 255)) $(($2 & 255)) $((0x80 | ($1 >> 8) << 4 | $2 >> 8)); }

# The output is 1024 x 768 device pixels at every scale: logical positions are device ones / scale.
# (PELMORA_WESTON_SCALE: the --scale given to scripts/weston-run-here.sh.)
scale=${PELMORA_WESTON_SCALE:-1}
logical() { awk -v p="$1" -v s="$scale" 'BEGIN { printf "%.4f", (p + 0.5) / s }'; }

# A click picks the picture's pixel under the pointer: (301, 77), an odd device pixel at scale 2.
on_private_bus shot "$driver" auto "$work/served.png" "$(logical 301)" "$(logical 77)" click
status=$?
[ $status -eq 0 ] && [ "$(cat "$work/out")" = "$(pattern 301 77)" ] \
  || fail "click at scale $scale: status $status, picked '$(cat "$work/out")', expected $(pattern 301 77)"
grep -q '^Screenshot handle_token=pelmora[0-9_]* interactive=False' "$work/calls.log" \
  || fail "the portal was not asked for a screenshot once, not interactive: $(cat "$work/calls.log")"
[ -z "$(ls -A "$work/pictures")" ] || fail "the screenshot file was left behind: $(ls "$work/pictures")"
grep -q ' 0 pixels differ outside the loupe; compositor 1024x768: 0 differ' "$work/err" \
  || fail "the window did not show the picture exactly at scale $scale"

# Arrows by one picture pixel, Shift by ten, then Enter; Ctrl+Shift averages 5 x 5 on the
# checkerboard (white at (50, 40)); Esc cancels.
on_private_bus shot "$driver" screenshot "$work/served.png" "$(logical 301)" "$(logical 77)" Right Down shift+Right Return
[ "$(cat "$work/out")" = "$(pattern 312 78)" ] || fail "arrows at scale $scale picked '$(cat "$work/out")'"
on_private_bus shot "$driver" screenshot "$work/served.png" "$(logical 50)" "$(logical 40)" ctrl+shift+click
[ "$(cat "$work/out")" = "#bfbfbf" ] || fail "the 5 x 5 average at scale $scale is '$(cat "$work/out")'"
on_private_bus shot "$driver" screenshot "$work/served.png" "$(logical 50)" "$(logical 40)" ctrl+Return
[ "$(cat "$work/out")" = "#c5c5c5" ] || fail "the 3 x 3 average at scale $scale is '$(cat "$work/out")'"
on_private_bus shot "$driver" screenshot "$work/served.png" "$(logical 50)" "$(logical 40)" Escape
[ "$(cat "$work/out")" = "cancelled" ] || fail "Esc at scale $scale gave '$(cat "$work/out")'"

# `pelmora pick` itself: the user cancels in the portal: status 1, nothing printed, no other way tried.
on_private_bus cancel "$pelmora" pick --format html
status=$?
[ $status -eq 1 ] && [ ! -s "$work/out" ] && ! grep -q PickColor "$work/calls.log" \
  || fail "a cancel in the portal: status $status, printed '$(cat "$work/out")', calls: $(cat "$work/calls.log")"

# A refusal, no Screenshot method, no answer: the portal's own picker picks, and one line says why.
for shot in ended none silent; do
  case $shot in
    ended) why='the desktop portal refused to take one (response 2)' ;;
    none) why='no desktop portal here takes screenshots' ;;
    silent) why='the desktop portal did not answer within 10 s' ;;
  esac
  on_private_bus $shot "$pelmora" pick --format html
  status=$?
  [ $status -eq 0 ] && [ "$(cat "$work/out")" = "#8033FF" ] \
    && grep -qx "pelmora pick: The loupe needs a screenshot, and $why; the desktop portal picks the colour instead." \
      "$work/err" \
    || fail "$shot: status $status, printed '$(cat "$work/out")'"
done

# --via screenshot takes no other way: a refusal fails the pick.
on_private_bus ended "$pelmora" pick --via screenshot
status=$?
[ $status -eq 2 ] && grep -qx 'pelmora pick: The loupe needs a screenshot, and the desktop portal refused to take one (response 2).' "$work/err" \
  || fail "--via screenshot refused: status $status"

# Once through the real portal front end, with a stand-in back-end that writes the picture.
frontend=/usr/libexec/xdg-desktop-portal
if [ -x "$frontend" ]; then
  mkdir -p "$work/portals" "$work/backend"
  printf '[portal]\nDBusName=org.freedesktop.impl.portal.desktop.pelmoratest\nInterfaces=org.freedesktop.impl.portal.Screenshot;org.freedesktop.impl.portal.Access;\nUseIn=pelmoratest\n' \
    >"$work/portals/pelmoratest.portal"
  cat >"$work/real.sh" <<SCRIPT
/usr/bin/python3 "$stand_ins/stand_in_backend.py" org.freedesktop.impl.portal.desktop.pelmoratest \
  "$work/backend" 1024x768 & backend=\$!
XDG_DESKTOP_PORTAL_DIR="$work/portals" XDG_CURRENT_DESKTOP=pelmoratest $frontend -r >"$work/portal.log" 2>&1 & portal=\$!
for _ in \$(seq 1 200); do
  dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
    string:org.freedesktop.portal.Desktop 2>/dev/null | grep -q 'boolean true' && break
  sleep 0.05
done
/usr/bin/python3 -c "
import sys; sys.path.insert(0, '$stand_ins')
from stand_in_portal import write_png
write_png('$work/served.png', 1024, 768)"
"$driver" auto "$work/served.png" "$(logical 700)" "$(logical 500)" space
status=\$?
kill \$portal \$backend
exit \$status
SCRIPT
  dbus-run-session --config-file="$bus_conf" -- bash "$work/real.sh" >"$work/out" 2>"$work/err"
  status=$?
  [ $status -eq 0 ] && [ "$(cat "$work/out")" = "$(pattern 700 500)" ] && [ -z "$(ls -A "$work/backend")" ] \
    || fail "through xdg-desktop-portal: status $status, picked '$(cat "$work/out")'; $(cat "$work/portal.log")"
fi
echo "frozen loupe on weston at scale $scale ok"
