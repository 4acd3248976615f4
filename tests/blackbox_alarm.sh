#!/usr/bin/env bash
# Starts the real program on a virtual display and a private session bus at 07:29:50 on 5 December 2026
# with an alarm set for 07:30 that day, and checks that the gong is produced, that one desktop
# notification says so however often the gong repeats, and that the program keeps running. Nobody
# serves notifications on that bus (a monitor only listens), which must cost the program nothing.
# A second copy, in a folder of its own, meets a session bus that is stopped (SIGSTOP): it must ring all
# the same instead of freezing at its first control.
set -euo pipefail
binary="$1"
work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill -CONT "$pid" 2>/dev/null; kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# Waits up to 10 s for a server started in the background to write its address into a file.
address_in() {
    for _ in $(seq 1 100); do
        [ -s "$1" ] && { head -n 1 "$1"; return; }
        sleep 0.1
    done
    echo "FAIL: no address in $1" >&2
    exit 1
}

# The alarm table: 14-column zones, the wave-file field last, CR LF.
zones() { local line=""; for f in "$@"; do line+=$(printf '%-14s' "$f"); done; printf '%s' "$line"; }
{
    printf '%sBrowse\r\n' "$(zones 5 12 2026 7 30 1 0 0)"
    for _ in $(seq 2 10); do printf '%sBrowse\r\n' "$(zones 0 0 0 0 0 0 0 0)"; done
} >"$work/kalind.dta"
printf '0\r\n' >"$work/saytime.dta"
mkdir "$work/frozen"
cp "$work"/*.dta "$work/frozen/"

Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/bus" 2>/dev/null &
pids+=($!)
dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/frozen/bus" 2>/dev/null &
pids+=($!)
display=":$(address_in "$work/display")"
bus=$(address_in "$work/bus")
frozen_bus=$(address_in "$work/frozen/bus")
kill -STOP "${pids[-1]}"
dbus-monitor --address "$bus" "type='method_call',interface='org.freedesktop.Notifications',member='Notify'" \
    >"$work/notices" 2>&1 &
pids+=($!)

# The timers run on real time; only the wall clock is set.
libfaketime=$(dpkg -L libfaketime | grep -m1 '/libfaketime.so.1$')
start() { # settings folder, session bus
    env DISPLAY="$display" DBUS_SESSION_BUS_ADDRESS="$2" LD_PRELOAD="$libfaketime" \
        FAKETIME="@2026-12-05 07:29:50" FAKETIME_DONT_FAKE_MONOTONIC=1 \
        "$binary" --config-dir "$1" --output "$1/out.wav" >"$1/log" 2>&1 &
    pids+=($!)
}
start "$work" "$bus"
kalindor=$!
start "$work/frozen" "$frozen_bus"
frozen=$!

size() { stat -c %s "${1:-$work}/out.wav" 2>/dev/null || echo 0; }
sleep 8
early=$(size)
# Each ring of the gong (about 2.5 s of 16-bit mono at 44.1 kHz) adds 200 kB or more; wait for the
# second, which must not bring a second notification.
for _ in $(seq 1 40); do
    [ "$(size)" -gt 400000 ] && break
    sleep 1
done
sleep 1
late=$(size)
notices=$(grep -c 'member=Notify' "$work/notices" || true)
echo "bytes before 07:30: $early, after: $late; notifications: $notices"
[ "$early" -lt 1000 ] || { echo "FAIL: sound before the alarm's minute"; exit 1; }
[ "$late" -gt 400000 ] || { echo "FAIL: the alarm did not ring again and again"; exit 1; }
[ "$notices" -eq 1 ] || { cat "$work/notices"; echo "FAIL: $notices notifications instead of one"; exit 1; }
grep -q 'string "Alarme 1 — 07:30"' "$work/notices" || { cat "$work/notices"; echo "FAIL: summary"; exit 1; }
grep -q 'string "kalindor"' "$work/notices" || { echo "FAIL: the notification names no icon"; exit 1; }
kill -0 "$kalindor" 2>/dev/null || { cat "$work/log"; echo "FAIL: the program did not keep running"; exit 1; }
if grep -iE 'bus|notif' "$work/log"; then echo "FAIL: the missing notification server was reported"; exit 1; fi
echo "with the session bus stopped: $(size "$work/frozen") bytes"
[ "$(size "$work/frozen")" -gt 200000 ] && kill -0 "$frozen" 2>/dev/null \
    || { cat "$work/frozen/log"; echo "FAIL: a stopped session bus kept the alarm from ringing"; exit 1; }
grep -q 'session bus does not answer' "$work/frozen/log" || { echo "FAIL: the stopped bus was not reported"; exit 1; }
echo "PASS: the alarm rang, was announced once on the desktop, and the program keeps running; also with a stopped bus"
