#!/usr/bin/env bash
# The real program in a hostile world, on a private virtual display: no display at all; a FIFO and a
# link to a device node as the settings files; temporaries of a killed save; a second start, two --say
# at once, a running Kalindor that is stopped, and one that was killed.
set -euo pipefail
binary="$1"
source "$(dirname "$0")/sound_world.sh"
work=$world

line="kalindor: cannot open a display; use --say for speech without a window"
set +e
env -u DISPLAY -u WAYLAND_DISPLAY timeout 20 "$binary" --config-dir "$work/none" 2>"$work/err"; status=$?
DISPLAY=:97 timeout 20 "$binary" --config-dir "$work/none" 2>"$work/err2"; status2=$?
set -e
[ "$status" = 1 ] && [ "$(cat "$work/err")" = "$line" ] || fail "no display: status $status, said: $(cat "$work/err")"
[ "$status2" = 1 ] && [ "$(cat "$work/err2")" = "$line" ] || fail "dead display: status $status2"
echo "no display, and a display nobody serves: one line, status 1"

display_start

# Root makes its own null device; anyone else links to /dev/null, which they cannot replace.
config="$work/config"
mkdir -p "$config"
mkfifo "$config/kalind.dta"
mknod "$work/null" c 1 3 2>/dev/null && device="$work/null" || device=/dev/null
ln -s "$device" "$config/saytime.dta"
touch "$config/kalind.dta.AbCdEf" "$config/saytime.dta.qwERty" "$config/kalind.dta.bak" "$config/notes"

start() { "$binary" --config-dir "$config" --output "$work/$1.wav" >"$work/$1.log" 2>&1 & pids+=($!); }
windows() { xwininfo -root -children 2>/dev/null | grep -oE '"(KALINDOR|Kalindor|xmessage)"' | tr -d '"' | tr '\n' ' '; }
shows() { windows | grep -qw "$1"; }
start first
first=${pids[-1]}
wait_for 30 shows KALINDOR || fail "no window; $(cat "$work/first.log")"
# The settings are read at the first tick: its message must not stop the clock.
wait_for 30 shows Kalindor || fail "no message about the settings files"
[ -p "$config/kalind.dta" ] && [ -L "$config/saytime.dta" ] && [ "$(readlink "$config/saytime.dta")" = "$device" ] \
    && [ -c "$device" ] || fail "a settings file was replaced"
[ "$(ls "$config" | sort | tr '\n' ' ')" = "kalind.dta kalind.dta.bak kalindor.lock notes saytime.dta " ] \
    || fail "temporaries: $(ls "$config" | tr '\n' ' ')"
echo "FIFO and device link kept, the window alive and telling, temporaries gone, other files kept"

top() { xwininfo -root -children | grep -oE '"(KALINDOR|xmessage)"' | head -1 | grep -q "$1"; }
xmessage -geometry +0+0 "on top" 2>/dev/null & pids+=($!)
wait_for 20 top xmessage || fail "xmessage did not come on top: $(windows)"
timeout 20 "$binary" --config-dir "$config" 2>"$work/second.log" || fail "second start: status $?, $(cat "$work/second.log")"
wait_for 10 top KALINDOR || fail "the first window was not raised: $(windows)"
echo "a second start raised the first window and ended with status 0"

say() { timeout 60 "$binary" --say "$1" --output "$work/say-$1.wav"; }
say time & a=$!
say date & b=$!
wait "$a" && wait "$b" || fail "two --say at once"
[ "$(stat -c %s "$work/say-time.wav")" -gt 10000 ] && [ "$(stat -c %s "$work/say-date.wav")" -gt 10000 ] \
    || fail "a --say produced no speech"
echo "two --say at once both spoke, beside a running window"

kill -STOP "$first"
set +e
timeout 30 "$binary" --config-dir "$config" 2>"$work/third.log"; status=$?
set -e
kill -CONT "$first"
[ "$status" = 1 ] && grep -q "did not answer" "$work/third.log" || fail "stopped first: status $status, $(cat "$work/third.log")"
echo "a stopped Kalindor: the next start says so and ends with status 1"

kill -9 "$first"
wait "$first" 2>/dev/null || true
start fourth
sleep 3
kill -0 "${pids[-1]}" 2>/dev/null || fail "the lock of a killed Kalindor was not taken over: $(cat "$work/fourth.log")"
timeout 20 "$binary" --config-dir "$config" || fail "the new holder did not answer"
echo "PASS: the lock of a killed Kalindor was taken over and its holder answers"
