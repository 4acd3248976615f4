#!/usr/bin/env bash
# The real program as a native Wayland client of a headless weston, with no X display to fall back on:
# it stays up without a word on standard error, and a second start with its settings folder raises it
# and ends with status 0. Without a display of either kind on a Wayland session, the one line of today.
set -euo pipefail
binary="$1"
source "$(dirname "$0")/sound_world.sh"
work=$world
unset DISPLAY
line="kalindor: cannot open a display; use --say for speech without a window"
set +e
env -u WAYLAND_DISPLAY XDG_SESSION_TYPE=wayland timeout 20 "$binary" --config-dir "$work/none" 2>"$work/none.log"
status=$?
set -e
[ "$status" = 1 ] && [ "$(cat "$work/none.log")" = "$line" ] || fail "no display: status $status, said: $(cat "$work/none.log")"

weston --backend=headless-backend.so --use-pixman --socket=kalindor-test --idle-time=0 >"$work/weston.log" 2>&1 &
pids+=($!)
bus_start
wait_for 20 test -S "$work/kalindor-test" || fail "weston did not start: $(cat "$work/weston.log")"
export WAYLAND_DISPLAY=kalindor-test QT_QPA_PLATFORM=wayland

"$binary" --config-dir "$work/config" --output "$work/speech.wav" 2>"$work/first.log" &
pids+=($!)
sleep 5
kill -0 "${pids[-1]}" 2>/dev/null || fail "Kalindor ended on Wayland: $(cat "$work/first.log")"
timeout 20 "$binary" --config-dir "$work/config" 2>"$work/second.log" \
    || fail "second start: status $?, $(cat "$work/second.log")"
sleep 1
kill -0 "${pids[-1]}" 2>/dev/null || fail "Kalindor ended when raised: $(cat "$work/first.log")"
[ ! -s "$work/first.log" ] || fail "Kalindor said on Wayland: $(cat "$work/first.log")"
echo "PASS: native on Wayland, silent, raised by a second start that ended with status 0"
