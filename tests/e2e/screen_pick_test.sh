#!/usr/bin/env bash
# `pelmora pick` end to end under scripts/xvfb-run-here.sh: the loupe over a window of known pixels
# at scale 1 and 2, the arrow keys, the linear-light average, cancelling, --copy, the portal.
#
# usage: screen_pick_test.sh PELMORA PATTERN_PROGRAM STAND_IN_DIR
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/../../scripts/xvfb-lib.sh"
pelmora=$1
pattern=$2
stand_ins=$3
work=$(mktemp -d)
pattern_pid=
fail() {
  echo "FAIL: $*" >&2
  [ -s "$work/err" ] && sed 's/^/  pick stderr: /' "$work/err" >&2
  [ -n "$pattern_pid" ] && kill "$pattern_pid" 2>/dev/null
  exit 1
}
trap 'rm -rf "$work"' EXIT

"$pattern" &
pattern_pid=$!
wait_for_window '^Pelmora screen pattern$' 10 >/dev/null || fail "the pattern window never appeared"
wait_until 5 test "$(screen_pixel 37 201)" = 25C95A || fail "the pattern is not on the screen"

# start_pick SCALE ARGS...: starts `pelmora pick ARGS` at QT_SCALE_FACTOR=SCALE, waits for its loupe.
start_pick() {
  local scale=$1
  shift
  QT_SCALE_FACTOR=$scale "$pelmora" pick "$@" >"$work/out" 2>"$work/err" &
  pick_pid=$!
  wait_for_window '^Pelmora screen picker$' 10 >/dev/null || fail "no loupe appeared for pick $*"
  sleep 0.3  # the loupe takes the pointer and keyboard once the server has mapped it
}

# finish_pick STATUS OUTPUT WHAT: waits for the pick to end, compares its status and output.
finish_pick() {
  wait_for_exit "$pick_pid" 10 || fail "$3: pelmora pick did not end"
  [ "$EXIT_STATUS" -eq "$1" ] || fail "$3: status $EXIT_STATUS, expected $1"
  [ "$(cat "$work/out")" = "$2" ] || fail "$3: printed '$(cat "$work/out")', expected '$2'"
}

# pointer_to X Y: puts the pointer on screen pixel (X, Y) (device pixels) and waits for it there.
pointer_to() {
  xdotool mousemove "$1" "$2"
  wait_until 5 test "$(xdotool getmouselocation | awk '{print $1, $2}')" = "x:$1 y:$2" \
    || fail "the pointer did not reach ($1, $2)"
  sleep 0.15
}

for scale in 1 2; do
  # The exact pixel under the pointer; at scale 2 an odd device pixel, between two logical ones.
  start_pick "$scale" --format html
  pointer_to 101 77
  xdotool click 1
  finish_pick 0 "#654D5A" "click at scale $scale"

  # Arrows move by one device pixel, Shift+arrow by ten; Enter picks.
  start_pick "$scale" --format html
  pointer_to 101 77
  xdotool key Right
  xdotool key Down
  xdotool key shift+Right
  sleep 0.2
  [ "$(xdotool getmouselocation | awk '{print $1, $2}')" = "x:112 y:78" ] \
    || fail "arrows at scale $scale put the pointer at $(xdotool getmouselocation)"
  xdotool key Return
  finish_pick 0 "#704E5A" "arrows at scale $scale"

  # Ctrl averages 3 x 3 in linear light: 5 white and 4 black pixels give #C5C5C5, not #8E8E8E.
  start_pick "$scale" --format html
  pointer_to 295 15
  xdotool keydown ctrl
  sleep 0.15
  xdotool click 1
  xdotool keyup ctrl
  finish_pick 0 "#C5C5C5" "3 x 3 average at scale $scale"
done

# Without Ctrl the centre of the checkerboard is white; Ctrl+Shift averages 5 x 5; Space picks.
start_pick 1 --format rgb
pointer_to 295 15
xdotool key space
finish_pick 0 "RGB(255, 255, 255)" "space"
start_pick 1 --format html
pointer_to 295 15
xdotool keydown ctrl shift
sleep 0.15
xdotool click 1
xdotool keyup ctrl shift
finish_pick 0 "#BFBFBF" "5 x 5 average"

# Any notation of `pelmora codes --formats`, as that command writes the colour.
start_pick 1 --format oklch
pointer_to 37 201
xdotool click 1
finish_pick 0 "$("$pelmora" codes --format oklch '#25C95A')" "oklch"

# Every code by default, as `pelmora codes` prints them; --json too.
start_pick 1
pointer_to 37 201
xdotool click 1
finish_pick 0 "$("$pelmora" codes '#25C95A')" "default output"
start_pick 1 --json
pointer_to 37 201
xdotool click 1
finish_pick 0 "$("$pelmora" codes --json '#25C95A')" "--json"

# Esc and a right click cancel: status 1, nothing printed, the clipboard left as it was.
printf 'before' | xclip -selection clipboard
start_pick 1 --copy
pointer_to 37 201
xdotool key Escape
finish_pick 1 "" "Esc"
start_pick 2 --copy
pointer_to 37 201
xdotool click 3
finish_pick 1 "" "right click"
wait_for_clipboard 'before' || fail "cancelling changed the clipboard"

# --copy: the code stays on the clipboard after pelmora has ended, until another program takes it.
start_pick 1 --copy --format hex
pointer_to 37 201
xdotool click 1
finish_pick 0 "&H5AC925&" "--copy"
[ "$(xclip -o -selection clipboard)" = "&H5AC925&" ] || fail "the clipboard holds '$(xclip -o -selection clipboard)'"
# The background server of this display (and no other run's) ends when it loses the clipboard.
server=
for p in $(pgrep -f -- 'pick --serve-clipboard'); do
  tr '\0' '\n' <"/proc/$p/environ" 2>/dev/null | grep -qx "DISPLAY=$DISPLAY" && server=$p
done
[ -n "$server" ] || fail "no background process serves the clipboard"
printf 'after' | xclip -selection clipboard
wait_until 5 test ! -e "/proc/$server" || fail "the clipboard server $server still runs after losing the clipboard"
wait_for_clipboard 'after' || fail "another program could not take the clipboard over"

# Wrong command lines and impossible picks: status 2 and one line on standard error.
"$pelmora" pick --format cmyk >"$work/out" 2>"$work/err"
[ $? -eq 2 ] && [ "$(wc -l <"$work/err")" -eq 1 ] || fail "an unknown format was not refused in one line"
env -u DISPLAY -u WAYLAND_DISPLAY "$pelmora" pick >"$work/out" 2>"$work/err"
[ $? -eq 2 ] && grep -qx 'pelmora pick: no display found (DISPLAY is not set); picking from the screen needs one.' "$work/err" \
  || fail "without a display: $(cat "$work/err")"

# The portal, forced on X11, on a private session bus: no portal, then a stand-in that picks.
bus_conf="$stand_ins/private-session.conf"
dbus-run-session --config-file="$bus_conf" -- "$pelmora" pick --via portal >"$work/out" 2>"$work/err"
status=$?
# (dbus-daemon may add a line of its own about its file limit.)
[ $status -eq 2 ] && [ "$(grep -vc '^dbus-daemon' "$work/err")" -eq 1 ] \
  && grep -q '^pelmora pick: Screen picking needs the desktop portal.*xdg-desktop-portal-gnome' "$work/err" \
  || fail "without a portal: status $status, $(cat "$work/err")"
cat >"$work/portal-pick.sh" <<SCRIPT
/usr/bin/python3 "$stand_ins/stand_in_portal.py" pick & portal=\$!
for _ in \$(seq 1 100); do
  dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
    string:org.freedesktop.portal.Desktop 2>/dev/null | grep -q 'boolean true' && break
  sleep 0.05
done
"$pelmora" pick --via portal --format html
status=\$?
kill \$portal
exit \$status
SCRIPT
dbus-run-session --config-file="$bus_conf" -- bash "$work/portal-pick.sh" >"$work/out" 2>"$work/err"
status=$?
[ $status -eq 0 ] && [ "$(cat "$work/out")" = "#8033FF" ] || fail "portal pick: status $status, '$(cat "$work/out")'"

kill "$pattern_pid"
wait "$pattern_pid" 2>/dev/null
echo "screen picking ok"
