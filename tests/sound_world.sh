# Sourced by the black-box tests: a private PulseAudio with one null sink, a virtual display, a session
# bus, and the real program at a chosen moment. Everything started here is ended by process id, with a
# time limit, and the folder $world goes with them.
world=$(mktemp -d)
mkdir -p "$world/run" "$world/config"
export XDG_RUNTIME_DIR=$world PULSE_RUNTIME_PATH=$world/run PULSE_STATE_PATH=$world/run HOME=$world
export PULSE_SERVER=unix:$world/native LC_ALL=C.UTF-8
# No session bus unless a test starts one: none is ever launched behind its back.
export DBUS_SESSION_BUS_ADDRESS=unix:path=$world/no-bus
pids=()

# Ends a process: TERM, then KILL after five seconds. A stopped one is woken so it can end.
end_pid() {
    kill -TERM "$1" 2>/dev/null || return 0
    kill -CONT "$1" 2>/dev/null || true # it may have ended on TERM already
    for _ in $(seq 50); do kill -0 "$1" 2>/dev/null || return 0; sleep 0.1; done
    kill -KILL "$1" 2>/dev/null || true
}
end_all() { # the last started first: the program before the servers it uses
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do end_pid "${pids[i]}"; done
    wait 2>/dev/null || true
    rm -rf "$world"
}
trap end_all EXIT
fail() { echo "FAIL: $*"; exit 1; }
wait_for() { # seconds, then a command that must come true
    local limit=$1; shift
    for _ in $(seq 1 $((limit * 10))); do "$@" && return 0; sleep 0.1; done
    return 1
}

pulse_start() {
    cat >"$world/server.pa" <<PA
load-module module-null-sink sink_name=speakers
load-module module-native-protocol-unix socket=$world/native auth-anonymous=1
set-default-sink speakers
PA
    pulseaudio -n --daemonize=no --exit-idle-time=-1 -F "$world/server.pa" --log-target=file:"$world/pulse.log" &
    pulse_pid=$!
    pids+=("$pulse_pid")
    for _ in $(seq 100); do pactl info >/dev/null 2>&1 && return 0; sleep 0.1; done
    echo "FAIL: the private sound server did not start"; exit 1
}
pulse_stop() { end_pid "$pulse_pid"; wait "$pulse_pid" 2>/dev/null || true; rm -f "$world/native"; }

# Records what reaches the sink for $1 seconds into $2 (8 kHz mono 16-bit, raw).
record() {
    timeout "$1" parec -d speakers.monitor --raw --format=s16le --rate=8000 --channels=1 >"$2" 2>/dev/null || true
}
# True when a recording holds sound: silence is all zero bytes.
heard() { [ "$(tr -d '\0' <"$1" | wc -c)" -gt 1000 ]; }

# A private session bus whose notification calls are logged in $world/notifications.
bus_start() {
    dbus-daemon --session --nofork --print-address=3 3>"$world/bus" &
    pids+=("$!")
    for _ in $(seq 100); do [ -s "$world/bus" ] && break; sleep 0.1; done
    export DBUS_SESSION_BUS_ADDRESS=$(head -1 "$world/bus")
    dbus-monitor "interface='org.freedesktop.Notifications'" >"$world/notifications" 2>&1 &
    pids+=("$!")
}

display_start() {
    Xvfb -displayfd 3 -screen 0 640x480x24 -nolisten tcp -noreset 3>"$world/display" 2>/dev/null &
    pids+=("$!")
    for _ in $(seq 100); do [ -s "$world/display" ] && break; sleep 0.1; done
    export DISPLAY=:$(cat "$world/display")
}

# An alarm table with alarm 1 at 07:30 on 5 December 2026 sounding the gong, or the file $1 when given.
alarm_at_0730() {
    zones() { local line=""; for f in "$@"; do line+=$(printf '%-14s' "$f"); done; printf '%s' "$line"; }
    {
        printf '%s%s\r\n' "$(zones 5 12 2026 7 30 1 0 0)" "${1:-Browse}"
        for _ in $(seq 2 10); do printf '%sBrowse\r\n' "$(zones 0 0 0 0 0 0 0 0)"; done
    } >"$world/config/kalind.dta"
    printf '0\r\n' >"$world/config/saytime.dta"
}

# Starts the window with the wall clock at $1 ("2026-12-05 07:29:55"), more options after it;
# its standard error goes to $world/stderr.
window_start() {
    local at=$1
    shift
    LD_PRELOAD=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1 FAKETIME="@$at" FAKETIME_DONT_FAKE_MONOTONIC=1 \
        "$binary" --config-dir "$world/config" "$@" 2>"$world/stderr" &
    window_pid=$!
    pids+=("$window_pid")
}
