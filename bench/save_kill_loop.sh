#!/usr/bin/env bash
# Kills the settings window's Save with SIGKILL at random moments, then does what the next start of
# Kalindor does, and counts what the files hold: only whole settings and no temporaries may be left.
#   bench/save_kill_loop.sh [kills] [folder]    (default 1500 kills in a fresh folder; needs build/bench/save_loop)
set -euo pipefail
cd "$(dirname "$0")/.."
kills="${1:-1500}"
scratch=$(mktemp -d)
trap 'kill -9 "${pid:-}" 2>/dev/null || true; rm -rf "$scratch"' EXIT
dir="${2:-$scratch/settings}"
mkdir -p "$dir"
saver=build/bench/save_loop
export QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR="$scratch"
temporaries() { find "$dir" -maxdepth 1 -regextype egrep -regex '.*/(kalind|saytime)\.dta\.[A-Za-z]{6}' | wc -l; }

declare -A count
left_before=0 left_after=0
for ((i = 1; i <= kills; i++)); do
    "$saver" "$dir" &
    pid=$!
    # From a quarter to half a second: Qt starts in about a tenth, then saves follow one another.
    sleep "0.$(printf '%03d' $((250 + RANDOM % 250)))"
    kill -9 "$pid" 2>/dev/null || { echo "the saver ended by itself" >&2; exit 1; }
    wait "$pid" 2>/dev/null || true
    left_before=$((left_before + $(temporaries)))
    read -r _ table _ interval < <("$saver" --start "$dir")
    count["table $table"]=$((${count["table $table"]:-0} + 1))
    count["interval $interval"]=$((${count["interval $interval"]:-0} + 1))
    left_after=$((left_after + $(temporaries)))
done
echo "kills: $kills in $dir"
for key in "table A" "table B" "table torn" "table missing" "interval A" "interval B" "interval torn" "interval missing"; do
    echo "$key: ${count[$key]:-0}"
done
echo "temporaries left by the kills: $left_before; after the next start: $left_after"
