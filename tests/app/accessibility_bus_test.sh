#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Starts the editor on a virtual display with its own session bus and accessibility bus, then
# reads it as a screen reader would. Usage: accessibility_bus_test.sh <quillmere> <check.py>
set -euo pipefail
exe=$1 check=$2
# A display number of its own, so that another virtual display starting at the same time cannot take it.
exec xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1280x800x24" dbus-run-session -- bash -c '
  /usr/libexec/at-spi-bus-launcher --launch-immediately &
  launcher=$!
  QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 QT_QPA_PLATFORM=xcb "$1" &
  editor=$!
  status=0
  /usr/bin/python3 "$2" || status=$?
  kill $editor $launcher 2>/dev/null || true
  wait 2>/dev/null || true
  exit $status
' _ "$exe" "$check"
