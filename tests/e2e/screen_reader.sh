#!/usr/bin/env bash
# End to end, over the real AT-SPI stack: the program under Xvfb, on a
# session bus and an accessibility bus of its own, driven by a small AT-SPI
# client (screen_reader.py) as a screen reader would drive it. The client
# presses the lamps through their actions and listens for what each press
# announces.
# Usage: screen_reader.sh PROGRAM [SCREENSHOT_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
. "$here/lib.sh"

program=$1
# The accessibility bus puts its socket under the runtime folder: a folder
# of this run's own, whatever the caller's.
XDG_RUNTIME_DIR=$(mktemp -d)
prepare_run "${2:-}"
ATSPI_LOG=$SHOT_DIR/atspi.log
: >"$ATSPI_LOG"

stop_pid() {
  if [ -n "${1:-}" ]; then
    kill "$1" 2>/dev/null || true
    wait "$1" 2>/dev/null || true
  fi
}

cleanup() {
  stop_program
  stop_pid "${REGISTRY_PID:-}"
  stop_pid "${LAUNCHER_PID:-}"
  stop_pid "${SESSION_BUS_PID:-}"
  stop_xvfb
  rm -rf "$XDG_RUNTIME_DIR"
}
trap cleanup EXIT

# Asks a bus whether a name has an owner, waiting until it has one.
wait_bus_name() {
  local bus=$1 name=$2 start
  start=$(now_ms)
  until dbus-send --bus="$bus" --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
          org.freedesktop.DBus.NameHasOwner "string:$name" 2>/dev/null | grep -q 'boolean true'; do
    [ $(( $(now_ms) - start )) -lt "$E2E_TIMEOUT_MS" ] || fail "no $name on the bus"
    sleep 0.02
  done
}

start_xvfb

# A session bus of this run's own; nothing of the machine's session reaches
# the program or the client.
unset AT_SPI_BUS_ADDRESS
address_file=$(mktemp)
dbus-daemon --session --nofork --print-address=3 3>"$address_file" 2>>"$ATSPI_LOG" &
SESSION_BUS_PID=$!
start=$(now_ms)
until [ -s "$address_file" ]; do
  [ $(( $(now_ms) - start )) -lt "$E2E_TIMEOUT_MS" ] || fail "the session bus did not start"
  sleep 0.02
done
DBUS_SESSION_BUS_ADDRESS=$(head -n1 "$address_file")
export DBUS_SESSION_BUS_ADDRESS
rm -f "$address_file"

# The accessibility bus, started at once rather than on the first request,
# and its registry, started here rather than by the bus so that it ends
# with this run. Each finds the other, as the program and the client find
# them, through the session bus: Qt 6.4 given the accessibility bus's
# address in AT_SPI_BUS_ADDRESS never shows up on it.
/usr/libexec/at-spi-bus-launcher --launch-immediately >>"$ATSPI_LOG" 2>&1 &
LAUNCHER_PID=$!
wait_bus_name "$DBUS_SESSION_BUS_ADDRESS" org.a11y.Bus
a11y_bus=$(dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
             | sed -n 's/^ *string "\(.*\)"$/\1/p')
[ -n "$a11y_bus" ] || fail "the accessibility bus gave no address"
/usr/libexec/at-spi2-registryd >>"$ATSPI_LOG" 2>&1 &
REGISTRY_PID=$!
wait_bus_name "$a11y_bus" org.a11y.atspi.Registry

export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
start_program "$program"

# Debian's Python, where python3-pyatspi lives, whichever python3 comes
# first on the path.
E2E_TIMEOUT_MS=$E2E_TIMEOUT_MS /usr/bin/python3 "$here/screen_reader.py" \
  || fail "the screen reader heard something else (above)"
echo "screen reader: every announcement heard"
