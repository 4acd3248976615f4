#!/usr/bin/env bash
# Starts the real program under a virtual display at 07:29:50 on 5 December 2026 with an alarm set
# for 07:30 that day, and checks that the gong is produced and that the program keeps running.
set -euo pipefail
binary="$1"
work=$(mktemp -d)
cleanup() {
    # xvfb-run does not pass a signal on to the program it started: end the program itself (not
    # xvfb-run, whose command line holds the same words), and xvfb-run then stops its X server.
    pkill -f -- "^$binary --config-dir $work" 2>/dev/null || true
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The alarm table: 14-column zones, the wave-file field last, CR LF.
zones() { local line=""; for f in "$@"; do line+=$(printf '%-14s' "$f"); done; printf '%s' "$line"; }
{
    printf '%sBrowse\r\n' "$(zones 5 12 2026 7 30 1 0 0)"
    for _ in $(seq 2 10); do printf '%sBrowse\r\n' "$(zones 0 0 0 0 0 0 0 0)"; done
} >"$work/kalind.dta"
printf '0\r\n' >"$work/saytime.dta"

export FAKETIME_DONT_FAKE_MONOTONIC=1 # the timers run on real time; only the wall clock is set
xvfb-run -a -s "-screen 0 640x480x24" \
    faketime -f "@2026-12-05 07:29:50" "$binary" --config-dir "$work" --output "$work/out.wav" \
    >"$work/log" 2>&1 &

size() { stat -c %s "$work/out.wav" 2>/dev/null || echo 0; }
sleep 8
early=$(size)
# The first ring of the gong (about 2.5 s of 16-bit mono at 44.1 kHz) is 200 kB or more.
for _ in $(seq 1 30); do
    [ "$(size)" -gt 200000 ] && break
    sleep 1
done
late=$(size)
echo "bytes before 07:30: $early, after: $late"
[ "$early" -lt 1000 ] || { echo "FAIL: sound before the alarm's minute"; exit 1; }
[ "$late" -gt 200000 ] || { echo "FAIL: no alarm sound was produced"; exit 1; }
sleep 3
pgrep -f -- "^$binary --config-dir $work" >/dev/null || { echo "FAIL: the program did not keep running"; exit 1; }
echo "PASS: the alarm rang and the program keeps running"
