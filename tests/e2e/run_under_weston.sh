#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs one end-to-end test against the built program under a Wayland compositor of its own
# that needs no screen (weston's headless back end, drawing with pixman):
#   run_under_weston.sh TEST.py ARGUMENTS...
# The compositor is started with its debug protocol, through which the test takes pictures
# (weston-screenshooter) and reads where the compositor placed each window (weston-debug
# scene-graph). It has no seat: no keyboard, no pointer, so the test works the program through
# the accessibility interface alone. Everything runs in one process group that is ended as a
# whole when the run ends, times out or is stopped.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
test_script=$here/$1
shift

runtime=$(mktemp -d)
chmod 700 "$runtime"
# A plain background and no panel: what is not a window has one colour in the pictures.
cat >"$runtime/weston.ini" <<'INI'
[core]
idle-time=0
[shell]
background-color=0xff406080
panel-position=none
locking=false
INI
export XDG_RUNTIME_DIR=$runtime WAYLAND_DISPLAY=zephal-wayland QT_QPA_PLATFORM=wayland
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 PYTHONDONTWRITEBYTECODE=1
unset DISPLAY QT_ACCESSIBILITY DBUS_SESSION_BUS_ADDRESS AT_SPI_BUS_ADDRESS

# shellcheck disable=SC2016  # expanded by the inner shell
timeout -k 10 "${ZEPHAL_E2E_TIMEOUT:-400}" bash -c '
  weston --backend=headless-backend.so --use-pixman --width=1600 --height=1200 \
    --scale="${ZEPHAL_WAYLAND_SCALE:-1}" --socket="$WAYLAND_DISPLAY" --debug \
    --config="$XDG_RUNTIME_DIR/weston.ini" --log="$XDG_RUNTIME_DIR/weston.log" &
  for _ in $(seq 100); do [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break; sleep 0.1; done
  dbus-run-session -- /usr/bin/python3 "$@"
' run "$test_script" "$@" &
group=$!  # timeout leads a process group of its own
stop() { kill -TERM -- "-$group" 2>/dev/null; }
trap 'stop; exit 143' TERM INT HUP
wait "$group"
status=$?
stop
sleep 0.2
kill -KILL -- "-$group" 2>/dev/null
rm -rf "$runtime"
[ $status -eq 124 ] && echo "end-to-end test on Wayland: timed out" >&2
exit $status
