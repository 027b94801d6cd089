# Shell helpers for tests that drive a real window under scripts/xvfb-run-here.sh.
# Source this file; every function reads DISPLAY from the environment.

# wait_for_window NAME [SECONDS]: prints the id of the first visible window whose name matches NAME
# (a regular expression), waiting up to SECONDS (default 10); status 1 when none appeared.
wait_for_window() {
  local name=$1 seconds=${2:-10} id
  id=$(timeout "$seconds" xdotool search --sync --onlyvisible --name "$name" 2>/dev/null | head -n 1)
  [ -n "$id" ] || return 1
  echo "$id"
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

# click_window ID X Y [BUTTON]: moves the pointer to (X, Y) of window ID's client area and clicks.
click_window() {
  xdotool mousemove --window "$1" --sync "$2" "$3" click "${4:-1}"
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
