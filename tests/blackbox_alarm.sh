#!/usr/bin/env bash
# Starts the real program on a virtual display a few seconds before 07:30 on chosen dates, with one gong
# alarm for 07:30, and checks from the sound written to --output whether it rang: an exact date, a daily
# alarm on two dates, a weekday alarm on a Friday and on a Saturday. The runs share one X server.
set -euo pipefail
binary="$1"
work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 1 50); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=":$(cat "$work/display")"
export FAKETIME_DONT_FAKE_MONOTONIC=1 # the timers run on real time; only the wall clock is set

# The alarm table: 14-column zones, the wave-file field last, CR LF; alarm 1 sounds the gong.
zones() { local line=""; for f in "$@"; do line+=$(printf '%-14s' "$f"); done; printf '%s' "$line"; }

# start NAME DATE DAY MONTH YEAR: the program from 07:29:55 on DATE with alarm 1 set to DAY MONTH YEAR 7 30.
start() {
    local dir="$work/$1"
    mkdir -p "$dir"
    {
        printf '%sBrowse\r\n' "$(zones "$3" "$4" "$5" 7 30 1 0 0)"
        for _ in $(seq 2 10); do printf '%sBrowse\r\n' "$(zones 0 0 0 0 0 0 0 0)"; done
    } >"$dir/kalind.dta"
    printf '0\r\n' >"$dir/saytime.dta"
    faketime -f "@$2 07:29:55" "$binary" --config-dir "$dir" --output "$dir/out.wav" >"$dir/log" 2>&1 &
    pids+=($!)
    echo $! >"$dir/pid"
}
size() { stat -c %s "$work/$1/out.wav" 2>/dev/null || echo 0; }

start exact 2026-12-05 5 12 2026
start daily1 2026-12-05 '*' '*' '*'
start daily2 2027-03-14 '*' '*' '*'
start friday 2026-12-04 Mon-Fri '*' '*'
start saturday 2026-12-05 Mon-Fri '*' '*'

sleep 3
early=$(size exact)
# The first ring of the gong (about 2.5 s of 16-bit mono at 44.1 kHz) is 200 kB or more.
for _ in $(seq 1 40); do
    [ "$(size exact)" -gt 200000 ] && [ "$(size daily1)" -gt 200000 ] && [ "$(size daily2)" -gt 200000 ] \
        && [ "$(size friday)" -gt 200000 ] && break
    sleep 1
done
status=0
echo "bytes before 07:30: $early"
[ "$early" -lt 1000 ] || { echo "FAIL: sound before the alarm's minute"; status=1; }
for run in exact daily1 daily2 friday; do
    echo "$run: $(size "$run") bytes"
    [ "$(size "$run")" -gt 200000 ] || { echo "FAIL: $run: no alarm sound"; status=1; }
done
echo "saturday: $(size saturday) bytes"
[ "$(size saturday)" -lt 1000 ] || { echo "FAIL: a Mon-Fri alarm rang on a Saturday"; status=1; }
kill -0 "$(cat "$work/exact/pid")" || { echo "FAIL: the program did not keep running"; status=1; }
[ "$status" -eq 0 ] && echo "PASS: each alarm rang or stayed silent as its date asks"
exit "$status"
