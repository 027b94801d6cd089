# Shell helpers for tests that drive a real window under scripts/xvfb-run-here.sh.
# Source this file; every function reads DISPLAY from the environment.

# wait_for_window NAME [SECONDS]: prints the id of the first visible window whose name matches NAME
# (a regular expression), waiting up to SECONDS (default 10); status 1 when none appeared.
# Searched again until then: a single `xdotool search --sync` was seen to end early without a
# window under load, failing a wait long before its time was up.
wait_for_window() {
  local name=$1 seconds=${2:-10} id deadline
  deadline=$((SECONDS + seconds))
  while :; do
    id=$(xdotool search --onlyvisible --name "$name" 2>/dev/null | head -n 1)
    if [ -n "$id" ]; then
      echo "$id"
      return 0
    fi
    [ $SECONDS -lt $deadline ] || return 1
    sleep 0.1
  done
}

# wait_for_window_gone ID [SECONDS]: waits until window ID no longer exists or is unmapped.
wait_for_window_gone() {
  local id=$1 seconds=${2:-10} deadline
  deadline=$((SECONDS + seconds))
  while [ $SECONDS -lt $deadline ]; do
    xdotool getwindowname "$id" >/dev/null 2>&1 || return 0
    xwininfo -id "$id" 2>/dev/null | grep -q 'IsViewable' || return 0
    sleep 0.1
  done
  return 1
}

# window_origin ID: prints "X Y", the screen position of window ID's top-left client pixel.
window_origin() {
  xwininfo -id "$1" | awk '/Absolute upper-left X/ {x=$NF} /Absolute upper-left Y/ {y=$NF} END {print x, y}'
}

# screen_pixel X Y: prints the screen pixel at (X, Y) as RRGGBB (upper-case hexadecimal).
screen_pixel() {
  import -silent -window root -crop "1x1+$1+$2" +repage -depth 8 rgb:- 2>/dev/null \
    | od -An -tx1 | tr -d ' \n' | tr 'a-f' 'A-F'
  echo
}

# window_pixel ID X Y: the pixel at (X, Y) of window ID's client area, as RRGGBB.
window_pixel() {
  local origin
  origin=$(window_origin "$1") || return 1
  set -- $origin "$2" "$3"
  screen_pixel $(($1 + $3)) $(($2 + $4))
}

# move_pointer ID X Y: puts the pointer on (X, Y) of window ID's client area and waits until the
# server reports it there (xdotool's own --sync waits forever when the pointer is already there).
move_pointer() {
  local origin ax ay i
  origin=$(window_origin "$1") || return 1
  set -- $origin "$2" "$3"
  ax=$(($1 + $3)) ay=$(($2 + $4))
  xdotool mousemove "$ax" "$ay" || return 1
  for i in $(seq 1 100); do
    [ "$(xdotool getmouselocation 2>/dev/null | awk '{print $1, $2}')" = "x:$ax y:$ay" ] && return 0
    sleep 0.02
  done
  echo "move_pointer: the pointer did not reach ($ax, $ay)" >&2
  return 1
}

# click_window ID X Y [BUTTON]: clicks BUTTON (default 1, the left one) at (X, Y) of window ID.
click_window() {
  move_pointer "$1" "$2" "$3" && xdotool click "${4:-1}"
}

# drag_window ID X1 Y1 X2 Y2: presses the left button at (X1, Y1), moves to (X2, Y2), releases there.
drag_window() {
  move_pointer "$1" "$2" "$3" && xdotool mousedown 1 \
    && move_pointer "$1" "$4" "$5" && xdotool mouseup 1
}

# wait_for_pixel ID X Y RRGGBB [SECONDS]: waits until window ID shows RRGGBB at (X, Y) (a repaint may
# lag an event by a frame); on timeout prints what it saw and returns 1.
wait_for_pixel() {
  local deadline got
  deadline=$((SECONDS + ${5:-5}))
  while :; do
    got=$(window_pixel "$1" "$2" "$3")
    [ "$got" = "$4" ] && return 0
    [ $SECONDS -ge $deadline ] && break
    sleep 0.1
  done
  echo "pixel ($2,$3) is $got, expected $4" >&2
  return 1
}

# clipboard_text: the text on the clipboard (the selection Ctrl+C fills), exactly as it is.
clipboard_text() {
  xclip -o -selection clipboard 2>/dev/null
}

# close_window ID: asks window ID to close as a window manager's close button would. Uses the
# x11_close_window program built in tests/e2e (PELMORA_CLOSE_WINDOW names it).
close_window() {
  "${PELMORA_CLOSE_WINDOW:-x11_close_window}" "$1"
}

# wait_until SECONDS CMD [ARGS...]: runs CMD every 50 ms until it succeeds; status 1 when SECONDS
# pass first. For conditions no other helper polls.
wait_until() {
  local deadline=$((SECONDS + $1))
  shift
  while ! "$@"; do
    [ $SECONDS -ge $deadline ] && return 1
    sleep 0.05
  done
}

# wait_for_clipboard TEXT [SECONDS]: waits until the clipboard holds exactly TEXT (no added line end); on timeout prints
# what it held and returns 1.
wait_for_clipboard() {
  local deadline got
  deadline=$((SECONDS + ${2:-5}))
  while :; do
    # The x keeps a trailing line end that $(...) would drop: the text must match to the byte.
    got=$(clipboard_text; echo x)
    got=${got%x}
    [ "$got" = "$1" ] && return 0
    [ $SECONDS -ge $deadline ] && break
    sleep 0.05
  done
  echo "the clipboard holds '$got', expected '$1'" >&2
  return 1
}

# wait_for_exit PID [SECONDS]: waits until process PID (a child of this shell, so not from inside
# $(...)) has ended and sets EXIT_STATUS to its exit status; status 1 when it still runs after SECONDS.
wait_for_exit() {
  local deadline=$((SECONDS + ${2:-10}))
  while kill -0 "$1" 2>/dev/null; do
    # An ended child that has not been waited for still answers kill -0; its state letter is Z.
    [ "$(awk '{print $3}' "/proc/$1/stat" 2>/dev/null)" = Z ] && break
    [ $SECONDS -ge $deadline ] && return 1
    sleep 0.05
  done
  wait "$1"
  EXIT_STATUS=$?
}

# wait_for_popup PID MAIN_ID [SECONDS]: prints the id of a visible window of process PID other than
# MAIN_ID (a drop-down list's popup, a menu), waiting up to SECONDS (default 5).
wait_for_popup() {
  local pid=$1 main=$2 deadline=$((SECONDS + ${3:-5})) id
  while :; do
    for id in $(xdotool search --onlyvisible --pid "$pid" 2>/dev/null); do
      [ "$id" != "$main" ] && { echo "$id"; return 0; }
    done
    [ $SECONDS -ge $deadline ] && return 1
    sleep 0.05
  done
}

# pixel_is X Y RRGGBB: whether the screen shows RRGGBB at (X, Y); for wait_until.
pixel_is() {
  [ "$(screen_pixel "$1" "$2")" = "$3" ]
}

# window_shown NAME: whether a window whose name matches NAME is on the screen; for wait_until
# (xdotool's own --sync gives up when a window it looks at goes away meanwhile).
window_shown() {
  [ -n "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ]
}

# fail_showing FILE MESSAGE...: prints FAIL: MESSAGE and FILE's lines (a program's standard error),
# then ends the test.
fail_showing() {
  local file=$1
  shift
  echo "FAIL: $*" >&2
  [ -s "$file" ] && sed 's/^/  stderr: /' "$file" >&2
  exit 1
}
