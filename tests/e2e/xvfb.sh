# Sourced by the end-to-end scripts, which set $work first.

# Starts an X server of `size` on a free display (Xvfb picks it itself, so parallel runs never
# collide) and sets xvfb_started_pid and xvfb_started_display; returns 1 when none came up.
start_xvfb() { # size name (the log is $work/name.log)
  local numbered=$work/$2.display
  Xvfb -displayfd 9 -screen 0 "$1x24" -nolisten tcp 9>"$numbered" >"$work/$2.log" 2>&1 &
  xvfb_started_pid=$!
  for _ in $(seq 300); do
    [ -s "$numbered" ] && break
    kill -0 "$xvfb_started_pid" 2>/dev/null || break
    sleep 0.1
  done
  [ -s "$numbered" ] || return 1
  xvfb_started_display=:$(head -n1 "$numbered")
}
