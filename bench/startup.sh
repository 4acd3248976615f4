#!/usr/bin/env bash
# Prints the median time from start to a mapped window of Kalindor and of a bare Qt window, started
# alternately under one Xvfb, and their ratio.
#   bench/startup.sh [runs]     (default 15; needs a built build/ with the benchmarks)
set -euo pipefail
cd "$(dirname "$0")/.."
runs="${1:-15}"
work=$(mktemp -d)
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; wait 2>/dev/null; rm -rf "$work"' EXIT

Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
pids+=("$!")
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus # no session bus is launched behind our back

# Milliseconds from start until a window titled $1 is viewable; the program is the rest of the line.
time_to_window() {
    local title=$1
    shift
    local start
    start=$(date +%s%N)
    "$@" >/dev/null 2>&1 &
    local pid=$!
    until xwininfo -name "$title" 2>/dev/null | grep -q IsViewable; do
        kill -0 "$pid" 2>/dev/null || { echo "$title did not start" >&2; exit 1; }
    done
    echo $((($(date +%s%N) - start) / 1000000))
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

for _ in $(seq "$runs"); do
    time_to_window KALINDOR build/src/app/kalindor --config-dir "$work" >>"$work/kalindor"
    time_to_window BARE build/bench/bare_window >>"$work/bare"
done
kalindor=$(median <"$work/kalindor")
bare=$(median <"$work/bare")
echo "median time to a mapped window over $runs runs: kalindor $kalindor ms, bare Qt window $bare ms"
awk -v k="$kalindor" -v b="$bare" 'BEGIN { printf "ratio %.2f\n", k / b }'
