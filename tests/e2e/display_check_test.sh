#!/usr/bin/env bash
# The display check against a real X server that wants a cookie (run under
# scripts/xvfb-run-here.sh --cookie): without the cookie the server refuses us and the program says
# so in one line; with its socket file hidden the server is still reachable through its abstract
# socket, and the program starts.
# usage: display_check_test.sh PELMORA
set -uo pipefail
pelmora=$1
failed=0
export XDG_CONFIG_HOME=${XDG_CONFIG_HOME:-$(mktemp -d)}
unset WAYLAND_DISPLAY

out=$(XAUTHORITY=/dev/null "$pelmora" 2>&1)
status=$?
expected="pelmora: the display '$DISPLAY' refused the connection: Authorization required, but no authorization protocol specified; \`pelmora codes VALUE...\` works without one."
if [ "$status" -ne 2 ] || [ "$out" != "$expected" ]; then
  echo "refused: status $status, said: $out"
  failed=1
fi

# A private mount namespace with an empty /tmp/.X11-unix: only the abstract socket is left. Running
# until `timeout` ends it (status 124) means the check let the program start.
if unshare -m true 2>/dev/null; then
  out=$(unshare -m sh -c 'mount -t tmpfs tmpfs /tmp/.X11-unix && timeout 4 "$0"' "$pelmora" 2>&1)
  status=$?
  if [ "$status" -ne 124 ]; then
    echo "abstract socket only: status $status, said: $out"
    failed=1
  fi
else
  echo "abstract socket only: skipped (no private mount namespace here)"
fi
[ "$failed" -eq 0 ] && echo "display check: all passed"
exit "$failed"
