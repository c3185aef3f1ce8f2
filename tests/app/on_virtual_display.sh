#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command on a virtual X display of its own. When no virtual display can be started here
# (Xvfb missing, or refused by a container), says why and exits 77, which CTest counts as skipped.
# Usage: on_virtual_display.sh <command> [arguments]
set -uo pipefail
if ! command -v xvfb-run >/dev/null || ! command -v Xvfb >/dev/null; then
  echo "skipped: Xvfb is not installed (packages xvfb and xauth)"
  exit 77
fi
# A display number of its own, so that another virtual display starting at the same time cannot take it.
if ! probe=$(xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 640x480x24" true 2>&1); then
  echo "skipped: no virtual display can be started here: $probe"
  exit 77
fi
# The command starts once the display answers: under load the server may still be coming up.
# -noreset: otherwise the server resets when that first client leaves, and refuses the command's
# connection while it does.
# A state folder of its own: the program keeps recovery copies there, and one killed by a test
# would otherwise offer its copy to the next test's program, whose keys its window would take.
state=$(mktemp -d)
trap 'rm -rf "$state"' EXIT
XDG_STATE_HOME=$state xvfb-run -a -n $((100 + RANDOM % 800)) -s "-screen 0 1280x800x24 -noreset" env QT_QPA_PLATFORM=xcb bash -c '
  for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done
  exec "$@"' _ "$@"
