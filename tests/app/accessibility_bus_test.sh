#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the editor on a virtual display with its own session bus and accessibility bus, then
# reads it as a screen reader would. Usage: accessibility_bus_test.sh <quillmere> <check.py>
# Where a session bus, the accessibility bus or a virtual display cannot be had, says why and
# exits 77 (skipped).
set -uo pipefail
exe=$1 check=$2
here=$(cd "$(dirname "$0")" && pwd)
launcher=/usr/libexec/at-spi-bus-launcher
if [ ! -x "$launcher" ]; then
  echo "skipped: no accessibility bus launcher ($launcher, package at-spi2-core)"
  exit 77
fi
if ! why=$(/usr/bin/python3 -c 'import pyatspi' 2>&1); then
  echo "skipped: the screen reader's library cannot be loaded (package python3-pyatspi): $why"
  exit 77
fi
if ! why=$(dbus-run-session -- true 2>&1); then
  echo "skipped: no session bus can be started here: $why"
  exit 77
fi
# The accessibility bus, started as the test starts it, must answer for its address.
if ! why=$(dbus-run-session -- bash -c '
  "$1" --launch-immediately & launcher=$!
  for _ in $(seq 50); do
    dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null 2>&1 &&
      { kill $launcher; exit 0; }
    sleep 0.1
  done
  kill $launcher 2>/dev/null
  echo "the accessibility bus does not answer"
  exit 1
' _ "$launcher" 2>&1); then
  echo "skipped: no accessibility bus can be started here: $why"
  exit 77
fi
# Settings of its own: what the editor remembers (recent files, window places) is read back by the
# checks, and other programs' tests running at the same time write the user's settings.
config=$(mktemp -d)
trap 'rm -rf "$config"' EXIT
XDG_CONFIG_HOME=$config "$here/on_virtual_display.sh" dbus-run-session -- bash -c '
  "$3" --launch-immediately &
  launcher=$!
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$1" &
  editor=$!
  status=0
  /usr/bin/python3 "$2" || status=$?
  kill $editor $launcher 2>/dev/null || true
  wait 2>/dev/null || true
  exit $status
' _ "$exe" "$check" "$launcher"
