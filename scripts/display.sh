# X display helpers for the scripts; sourced, not run.

# True when $DISPLAY names an X server that answers.
display_answers() {
  [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1
}

# Starts Xvfb on a free display; exports DISPLAY and sets XVFB_PID. Xvfb picks the display number
# itself (-displayfd), so runners started side by side never share, and never stop, one server.
start_virtual_display() {
  local fifo n pid
  fifo=$(mktemp -u /tmp/tavin-xvfb.XXXXXX) || return 1
  mkfifo "$fifo" || return 1
  Xvfb -displayfd 3 -screen 0 1280x800x24 -dpi 96 -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  pid=$!
  n=
  read -r -t 20 n <"$fifo"
  rm -f "$fifo"
  if [ -z "$n" ] || ! DISPLAY=":$n" xdpyinfo >/dev/null 2>&1; then
    kill "$pid" 2>/dev/null
    return 1
  fi
  export DISPLAY=":$n"
  XVFB_PID=$pid
  return 0
}

stop_virtual_display() {
  [ -n "${XVFB_PID:-}" ] || return 0
  kill "$XVFB_PID" 2>/dev/null
  wait "$XVFB_PID" 2>/dev/null
  XVFB_PID=
  return 0
}
