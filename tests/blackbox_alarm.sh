#!/usr/bin/env bash
# Starts the real program on a virtual display a few seconds before 07:30 on chosen dates, with one gong
# alarm for 07:30, and checks from the sound written to --output whether it rang: an exact date, a daily
# alarm on two dates, a weekday alarm on a Friday and on a Saturday. The runs share one X server.
# The exact run has a private session bus where a monitor counts the desktop notifications: one for the
# whole ringing minute, however often the gong repeats; nobody serves them, which must cost nothing.
# One more run meets a session bus that is stopped (SIGSTOP) and must ring all the same.
set -euo pipefail
binary="$1"
work=$(mktemp -d)
pids=()
cleanup() {
    local pid
    for pid in "${pids[@]}"; do kill -CONT "$pid" 2>/dev/null || true; kill "$pid" 2>/dev/null || true; done
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

Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/bus" 2>/dev/null &
pids+=($!)
dbus-daemon --session --nofork --nopidfile --print-address=3 3>"$work/frozen-bus" 2>/dev/null &
pids+=($!)
export DISPLAY=":$(address_in "$work/display")"
bus=$(address_in "$work/bus")
frozen_bus=$(address_in "$work/frozen-bus")
kill -STOP "${pids[-1]}"
dbus-monitor --address "$bus" "type='method_call',interface='org.freedesktop.Notifications',member='Notify'" \
    >"$work/notices" 2>&1 &
pids+=($!)

# The timers run on real time; only the wall clock is set. The library is preloaded rather than run
# through faketime, whose own process would stand between this script and the program.
libfaketime=$(dpkg -L libfaketime | grep -m1 '/libfaketime.so.1$')
# The alarm table: 14-column zones, the wave-file field last, CR LF; alarm 1 sounds the gong.
zones() { local line=""; for f in "$@"; do line+=$(printf '%-14s' "$f"); done; printf '%s' "$line"; }

# start NAME DATE DAY MONTH YEAR [BUS]: the program from 07:29:55 on DATE with alarm 1 set to DAY MONTH
# YEAR 7 30; without a bus it has none at all.
start() {
    local dir="$work/$1"
    mkdir -p "$dir"
    {
        printf '%sBrowse\r\n' "$(zones "$3" "$4" "$5" 7 30 1 0 0)"
        for _ in $(seq 2 10); do printf '%sBrowse\r\n' "$(zones 0 0 0 0 0 0 0 0)"; done
    } >"$dir/kalind.dta"
    printf '0\r\n' >"$dir/saytime.dta"
    env LD_PRELOAD="$libfaketime" FAKETIME="@$2 07:29:55" FAKETIME_DONT_FAKE_MONOTONIC=1 \
        DBUS_SESSION_BUS_ADDRESS="${6:-unix:path=/dev/null/no-bus}" \
        "$binary" --config-dir "$dir" --output "$dir/out.wav" >"$dir/log" 2>&1 &
    pids+=($!)
    echo $! >"$dir/pid"
}
size() { stat -c %s "$work/$1/out.wav" 2>/dev/null || echo 0; }

start daily1 2026-12-05 '*' '*' '*'
start daily2 2027-03-14 '*' '*' '*'
start friday 2026-12-04 Mon-Fri '*' '*'
start saturday 2026-12-05 Mon-Fri '*' '*'
start frozen 2026-12-05 5 12 2026 "$frozen_bus"
# Started last, so that on a busy machine the starts of the others do not eat into its first seconds.
start exact 2026-12-05 5 12 2026 "$bus"

sleep 3
early=$(size exact)
# Each ring of the gong (about 2.5 s of 16-bit mono at 44.1 kHz) adds 200 kB or more; the exact run
# waits for its second ring, which must not bring a second notification.
for _ in $(seq 1 40); do
    [ "$(size exact)" -gt 400000 ] && [ "$(size daily1)" -gt 200000 ] && [ "$(size daily2)" -gt 200000 ] \
        && [ "$(size friday)" -gt 200000 ] && [ "$(size frozen)" -gt 200000 ] && break
    sleep 1
done
sleep 1
status=0
echo "bytes before 07:30: $early"
[ "$early" -lt 1000 ] || { echo "FAIL: sound before the alarm's minute"; status=1; }
for run in exact daily1 daily2 friday frozen; do
    echo "$run: $(size "$run") bytes"
    [ "$(size "$run")" -gt 200000 ] || { cat "$work/$run/log"; echo "FAIL: $run: no alarm sound"; status=1; }
done
echo "saturday: $(size saturday) bytes"
[ "$(size saturday)" -lt 1000 ] || { echo "FAIL: a Mon-Fri alarm rang on a Saturday"; status=1; }
kill -0 "$(cat "$work/exact/pid")" || { echo "FAIL: the program did not keep running"; status=1; }

notices=$(grep -c 'member=Notify' "$work/notices" || true)
echo "notifications: $notices"
[ "$notices" -eq 1 ] || { cat "$work/notices"; echo "FAIL: $notices notifications instead of one"; status=1; }
grep -q 'string "Alarme 1 — 07:30"' "$work/notices" || { echo "FAIL: no notification \"Alarme 1 — 07:30\""; status=1; }
grep -q 'string "kalindor"' "$work/notices" || { echo "FAIL: the notification names no icon"; status=1; }
if grep -iE 'bus|notif' "$work/exact/log"; then echo "FAIL: the missing notification server was reported"; status=1; fi
grep -q 'session bus does not answer' "$work/frozen/log" || { echo "FAIL: the stopped bus was not reported"; status=1; }
[ "$status" -eq 0 ] && echo "PASS: each alarm rang or stayed silent as its date asks, the exact one was announced once"
exit "$status"
