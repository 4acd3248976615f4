#!/usr/bin/env bash
# Prints the share of one core that Kalindor uses while it idles with its window open.
#   bench/idle_cpu.sh [seconds]     (default 60; needs Xvfb and a built build/src/app/kalindor)
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"
binary=build/src/app/kalindor
config=$(mktemp -d)
# Kalindor ends on SIGTERM as by its exit button, removing its lock: the folder goes only after that.
trap 'kill "$pid" 2>/dev/null && timeout 5 tail --pid="$pid" -f /dev/null; rm -rf "$config"' EXIT

xvfb-run -a -s "-screen 0 640x480x24" "$binary" --config-dir "$config" &
sleep 3 # let the window come up and the settings load
pid=$(pgrep -n -f "$binary --config-dir $config" || true)
[ -n "$pid" ] || { echo "kalindor did not start" >&2; exit 1; }

ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks "$pid")
start=$(date +%s.%N)
sleep "$seconds"
after=$(ticks "$pid")
end=$(date +%s.%N)
awk -v b="$before" -v a="$after" -v hz="$hz" -v s="$start" -v e="$end" \
    'BEGIN { printf "idle CPU: %.2f%% of one core over %.0f s\n", 100 * (a - b) / hz / (e - s), e - s }'
