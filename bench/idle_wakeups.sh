#!/usr/bin/env bash
# Prints, for an idle Kalindor in five states and for a bare Qt window that redraws one label once a
# second: wake-ups a second of all its threads, the share of one core it uses, and how late each new
# second is painted after the wall clock's second began (median and maximum).
#   bench/idle_wakeups.sh [seconds] [--load]     (default 60 s per state; --load keeps two cores busy)
# Needs Xvfb and xdotool, and a built build/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=60
load=0
for arg in "$@"; do
    case $arg in --load) load=1 ;; *) seconds=$arg ;; esac
done
work=$(mktemp -d)
pids=()
end_all() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap end_all EXIT

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3>"$work/display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.1; done
export DISPLAY=:$(cat "$work/display")
export DBUS_SESSION_BUS_ADDRESS=unix:path=$work/no-bus
export QT_LOGGING_RULES=kalindor.seconds.debug=true QT_MESSAGE_PATTERN='%{message}'
if [ "$load" -eq 1 ]; then
    for _ in 1 2; do (while :; do :; done) & pids+=($!); done
fi

# Context switches of all threads, and CPU time in nanoseconds, of process $1.
switches() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/ctxt_switches/ {n += $2} END {print n}'; }
cputime() { cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{n += $1} END {print n}'; }

# measure NAME LOG PID: idles for $seconds, then prints the figures.
measure() {
    local name=$1 log=$2 pid=$3
    local s0 c0 t0 s1 c1 t1 from
    from=$(wc -l <"$log")
    s0=$(switches "$pid"); c0=$(cputime "$pid"); t0=$(date +%s%N)
    sleep "$seconds"
    s1=$(switches "$pid"); c1=$(cputime "$pid"); t1=$(date +%s%N)
    # Each line: the time painted and the wall clock then, in ms; a paint late by a whole second still counts.
    tail -n +"$((from + 1))" "$log" | awk '$1 ~ /^[0-9:]+$/ && $2 ~ /^[0-9]+$/ {
            s = substr($1, length($1) - 1) + 0; wall = int($2 / 1000)
            print $2 - wall * 1000 + 1000 * (((wall % 60) - s + 60) % 60) }' | sort -n >"$work/lags"
    awk -v name="$name" -v s="$((s1 - s0))" -v c="$((c1 - c0))" -v t="$((t1 - t0))" '
        { lags[++n] = $1 }
        END {
            printf "%-32s %6.2f wake-ups/s  %6.3f %% of a core  seconds late: median %4d ms, max %4d ms (%d drawn)\n",
                name, s / (t / 1e9), 100 * c / t, n ? lags[int((n + 1) / 2)] : -1, n ? lags[n] : -1, n
        }' "$work/lags"
}

# kalindor NAME [xdotool steps]: a fresh Kalindor brought to a state, then measured.
kalindor() {
    local name=$1 config="$work/$1"
    shift
    mkdir -p "$config"
    local hidden=()
    if [ "$name" = "closed, ringing on" ]; then # as the login entry starts it while alarms ring on
        printf 'keep-ringing=1\r\n' >"$config/sound.dta"
        hidden=(--hidden)
    fi
    build/src/app/kalindor --config-dir "$config" "${hidden[@]}" 2>"$work/$name.log" &
    local pid=$!
    pids+=("$pid")
    local window=""
    for _ in $(seq 100); do window=$(xdotool search --name '^KALINDOR$' 2>/dev/null | head -1) && [ -n "$window" ] && break; sleep 0.1; done
    [ -n "$window" ] || [ ${#hidden[@]} -gt 0 ] || { echo "no window for $name" >&2; return 1; }
    case $name in
    "ALARM SET open") xdotool mousemove --window "$window" 246 54 click 1 ;;
    "About box open") xdotool mousemove --window "$window" 176 53 click 1 ;;
    "window hidden") xdotool windowunmap "$window" ;;
    esac
    sleep 12 # past the start, and past the ten seconds after which a text cursor stops blinking
    measure "Kalindor, $name" "$work/$name.log" "$pid"
    kill "$pid"
    wait "$pid" 2>/dev/null || true
}

echo "idle for $seconds s each$([ "$load" -eq 1 ] && echo ', two cores kept busy' || true)"
kalindor "window idle"
kalindor "ALARM SET open"
kalindor "About box open"
kalindor "window hidden"
kalindor "closed, ringing on"
build/bench/bare_clock 2>"$work/bare.log" &
pids+=($!)
sleep 3
measure "bare Qt label, 1 s timer" "$work/bare.log" "$!"
