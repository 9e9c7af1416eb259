# Sourced by the tests and scripts that need a private X session. Every process started here
# is appended to the caller's array `pids`, which end_session ends, by id, in reverse order.
# Every wait is on a condition the session can observe, bounded, and names that condition
# when it runs out.

# wait_for SECONDS WHAT COMMAND...: runs COMMAND every 50 ms until it succeeds.
wait_for() {
  local seconds=$1 what=$2
  shift 2
  local deadline=$(($(date +%s%N) + seconds * 1000000000))
  until "$@" > /dev/null 2>&1; do
    if [ "$(date +%s%N)" -gt "$deadline" ]; then
      echo "x-session: gave up after ${seconds} s waiting for $what" >&2
      return 1
    fi
    sleep 0.05
  done
}

# Xvfb picks a free display itself and writes its number once it accepts connections. Without
# -noreset it would reset whenever its last client disconnects (a probe such as xprop, or the
# accessibility launcher setting its property), refusing whoever connects meanwhile.
start_x_server() {
  local number_file
  number_file=$(mktemp)
  Xvfb -displayfd 3 -screen 0 "${1:-640x480x24}" -nolisten tcp -noreset 3> "$number_file" 2> /dev/null &
  pids+=($!)
  wait_for 10 "Xvfb to report its display" test -s "$number_file" || return 1
  DISPLAY=:$(head -n 1 "$number_file")
  export DISPLAY
  rm -f "$number_file"
}

# The window manager is ready once the root window names its check window and that window
# names itself back.
wm_ready() {
  local id
  id=$(xprop -root -notype _NET_SUPPORTING_WM_CHECK 2> /dev/null | sed -n 's/.*# \(0x[0-9a-f]*\).*/\1/p')
  [ -n "$id" ] && xprop -id "$id" -notype _NET_SUPPORTING_WM_CHECK 2> /dev/null | grep -q "$id"
}

start_window_manager() {
  local log
  log=$(mktemp)
  openbox --sm-disable > "$log" 2>&1 &
  pids+=($!)
  if ! wait_for 10 "openbox to manage the screen" wm_ready; then
    kill -0 "${pids[-1]}" 2> /dev/null || echo "x-session: openbox ended; it said: $(cat "$log")" >&2
    rm -f "$log"
    return 1
  fi
  rm -f "$log"
}

# Ends every process in `pids`, the X server last, and waits until each is gone: a server
# still shutting down could unlink the socket of the next session's server on the same display.
end_session() {
  local i
  for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
    kill "${pids[i]}" 2> /dev/null || continue
    wait_for 10 "process ${pids[i]} to end" eval "! kill -0 ${pids[i]}" || kill -9 "${pids[i]}" 2> /dev/null
  done
}
