# Sourced by the scripts that need a virtual screen: starts one of our own and
# stops it, and the program in $app_pid, when the script ends.
xvfb_pid=""
app_pid=""

xvfb_cleanup() {
  trap - EXIT INT TERM HUP
  if [ -n "$app_pid" ] && kill -0 "$app_pid" 2>/dev/null; then
    kill "$app_pid" 2>/dev/null || true
    wait "$app_pid" 2>/dev/null || true
  fi
  if [ -n "$xvfb_pid" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
    kill "$xvfb_pid" 2>/dev/null || true
    wait "$xvfb_pid" 2>/dev/null || true
  fi
}
trap xvfb_cleanup EXIT
trap 'exit 130' INT
trap 'exit 143' TERM HUP

# The first display number from 97 up with no server on it. Xvfb writes the
# number to fd 3 once it accepts clients; if another server took the number
# first, ours exits and the next number is tried. Exports DISPLAY.
start_xvfb() {
  local n ready
  ready=$(mktemp)
  for n in $(seq 97 160); do
    [ -e "/tmp/.X$n-lock" ] || [ -e "/tmp/.X11-unix/X$n" ] && continue
    : >"$ready"
    Xvfb ":$n" -displayfd 3 -screen 0 1280x800x24 -nolisten tcp 3>"$ready" >/dev/null 2>&1 &
    xvfb_pid=$!
    for _ in $(seq 100); do
      [ -s "$ready" ] && break
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    if [ -s "$ready" ] && kill -0 "$xvfb_pid" 2>/dev/null; then
      rm -f "$ready"
      export DISPLAY=":$n"
      return 0
    fi
    kill "$xvfb_pid" 2>/dev/null || true
    xvfb_pid=""
  done
  rm -f "$ready"
  echo "could not start Xvfb" >&2
  return 1
}
