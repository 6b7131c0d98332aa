#!/usr/bin/env bash
# Runs a test program on an X display of its own (Xvfb) inside a session bus of
# its own, through which the accessibility bus is started on first use. Every
# step is bounded in time. Exit status 77 (a skip) only when the session bus
# cannot start; a missing tool is a failure, as ./velox setup installs them.
set -u
program="$1"
shift

for tool in Xvfb dbus-run-session timeout; do
  command -v "$tool" >/dev/null || { echo "$tool is missing: run ./velox setup"; exit 1; }
done
# The assistive client runs on the system's Python, where Debian puts the
# AT-SPI bindings.
if ! /usr/bin/python3 -c 'import gi; gi.require_version("Atspi", "2.0")' 2>/dev/null; then
  echo "the AT-SPI bindings for /usr/bin/python3 are missing: run ./velox setup"; exit 1
fi

work="$(mktemp -d)"
xvfb_pid=""
cleanup() {
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null; wait "$xvfb_pid" 2>/dev/null; fi
  rm -rf "$work"
}
trap cleanup EXIT

# A free display number, written by the server once it listens.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
xvfb_pid=$!
for _ in $(seq 100); do
  [ -s "$work/display" ] && break
  kill -0 "$xvfb_pid" 2>/dev/null || break
  sleep 0.1
done
if [ ! -s "$work/display" ]; then
  echo "Xvfb did not start:"; cat "$work/xvfb.log"; exit 1
fi
export DISPLAY=":$(head -n1 "$work/display")"

# The session bus, and nothing of the user's own.
if ! timeout 20 dbus-run-session -- true 2>"$work/dbus.log"; then
  echo "skipped: the session bus cannot start:"; cat "$work/dbus.log"; exit 77
fi
export QT_QPA_PLATFORM=xcb
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export NO_AT_BRIDGE=0
unset DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS
timeout -k 10 150 dbus-run-session -- "$program" "$@"
