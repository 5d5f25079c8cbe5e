#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one end-to-end test against the built program on a virtual screen of its own:
#   run_under_xvfb.sh TEST.py ARGUMENTS...
# The screen is its own so that windows of tests running beside it take neither its keyboard
# focus nor a place in its pictures. xvfb-run is outside and dbus-run-session inside it, so the
# accessibility registry sees the display. Everything runs in one process group that is ended
# as a whole when the run ends, times out or is stopped.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
test_script=$here/$1
shift

runtime=$(mktemp -d)
export XDG_RUNTIME_DIR=$runtime QT_QPA_PLATFORM=xcb QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
export PYTHONDONTWRITEBYTECODE=1  # nothing written into the source tree
unset QT_ACCESSIBILITY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS

# -noreset: otherwise the server resets each time its last client leaves, and a client that
# connects in that moment is refused.
timeout -k 10 "${ZEPHAL_E2E_TIMEOUT:-400}" \
  xvfb-run -a -s "-screen 0 1600x1200x24 -noreset" \
  dbus-run-session -- /usr/bin/python3 "$test_script" "$@" &
group=$!  # timeout leads a process group of its own
stop() { kill -TERM -- "-$group" 2>/dev/null; }
trap 'stop; exit 143' TERM INT HUP
wait "$group"
status=$?
# Whatever is left of the run (a bus, a registry) goes with it.
stop
sleep 0.2
kill -KILL -- "-$group" 2>/dev/null
rm -rf "$runtime"
[ $status -eq 124 ] && echo "end-to-end test: timed out" >&2
exit $status
