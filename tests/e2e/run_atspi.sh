#!/usr/bin/env bash
# Starts the built app in Xvfb inside its own D-Bus session with the accessibility bus, and
# walks its accessibility tree with atspi_walk.py.
#
#   run_atspi.sh APP OUTDIR
#
# Exit 0 when every check passes, 1 on a failure, 77 when Xvfb, D-Bus or pyatspi is missing.
set -u
app=$1
out=$2
here=$(cd "$(dirname "$0")" && pwd)

for tool in Xvfb dbus-run-session xdotool; do
  command -v "$tool" >/dev/null || {
    echo "SKIP: $tool is not installed (scripts/test installs it)"
    exit 77
  }
done
# Debian's own Python has the bindings; another python3 may come first on PATH.
py=/usr/bin/python3
[ -x "$py" ] || py=python3
"$py" -c 'import pyatspi' 2>/dev/null || {
  echo "SKIP: python3-pyatspi is not installed (scripts/test installs it)"
  exit 77
}
[ -x /usr/libexec/at-spi-bus-launcher ] || {
  echo "SKIP: at-spi2-core is not installed (scripts/test installs it)"
  exit 77
}

work=$(mktemp -d "${TMPDIR:-/tmp}/ombrel-atspi.XXXXXX")
chmod 700 "$work"
xvfb_pid=
cleanup() {
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null
  wait 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

. "$(dirname "$0")/xvfb.sh"
start_xvfb 1280x800 xvfb
xvfb_pid=$xvfb_started_pid
if [ -z "${xvfb_started_display:-}" ]; then
  echo "SKIP: Xvfb could not start an X server here"
  exit 77
fi
export DISPLAY=$xvfb_started_display
mkdir -m 700 "$work/xdg" "$work/home"
export HOME=$work/home XDG_RUNTIME_DIR=$work/xdg QT_QPA_PLATFORM=xcb QT_ENABLE_HIGHDPI_SCALING=0
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 NO_AT_BRIDGE=0

# The session bus starts the accessibility bus on demand; the app and the walker share both.
dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately >"$0/launcher.log" 2>&1 &
  launcher=$!
  "$1" >"$2/atspi_app.log" 2>&1 &
  app=$!
  "$4" "$3/atspi_walk.py"
  rc=$?
  kill $app $launcher 2>/dev/null
  wait $app 2>/dev/null
  exit $rc' "$work" "$app" "$out" "$here" "$py"
