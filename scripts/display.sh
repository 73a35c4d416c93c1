# X display helpers for the scripts; sourced, not run.

# True when $DISPLAY names an X server that answers.
display_answers() {
  [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1
}

# Starts Xvfb on a display it picks itself (so parallel runs never share one); exports DISPLAY
# and sets XVFB_PID.
start_virtual_display() {
  local fifo n
  fifo=$(mktemp -u "${TMPDIR:-/tmp}/tavin-xvfb.XXXXXX")
  mkfifo "$fifo" || return 1
  Xvfb -displayfd 3 -screen 0 1280x800x24 -dpi 96 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  n=$(timeout 10 head -n1 "$fifo")
  rm -f "$fifo"
  if [ -z "$n" ] || ! kill -0 "$XVFB_PID" 2>/dev/null; then
    stop_virtual_display
    return 1
  fi
  export DISPLAY=":$n"
}

stop_virtual_display() {
  [ -n "${XVFB_PID:-}" ] || return 0
  kill "$XVFB_PID" 2>/dev/null
  wait "$XVFB_PID" 2>/dev/null
  XVFB_PID=
  return 0
}
