#!/usr/bin/env bash
# The real program against a private sound server that comes late, restarts, is stopped or is absent,
# and ended by SIGTERM in the middle of a ten-minute sound. Usage: blackbox_sound.sh BINARY SCENARIO
set -euo pipefail
binary=$1
source "$(dirname "$0")/sound_world.sh"
fail() { echo "FAIL: $*"; echo "--- standard error:"; cat "$world/stderr" 2>/dev/null || true; exit 1; }
lines() { grep -c . "$1" || true; }
# Milliseconds since the epoch, to time a run.
ms() { date +%s%3N; }

case $2 in
late) # started before the server: the alarm a few seconds later is heard, and nothing is said
    display_start
    alarm_at_0730
    window_start "2026-12-05 07:29:56"
    sleep 3
    pulse_start
    record 8 "$world/rec"
    heard "$world/rec" || fail "the alarm did not reach the server that came late"
    [ "$(lines "$world/stderr")" -eq 0 ] || fail "a normal run wrote on standard error"
    ;;
restart) # the server killed and started again while the alarm rings: the sound comes back
    pulse_start
    display_start
    alarm_at_0730
    window_start "2026-12-05 07:29:58"
    sleep 4
    pulse_stop
    sleep 2
    pulse_start
    record 8 "$world/rec"
    kill -0 "$window_pid" || fail "the window did not keep running"
    heard "$world/rec" || fail "no sound after the server came back"
    [ "$(lines "$world/stderr")" -le 1 ] || fail "the missing output was reported more than once"
    ;;
stopped) # a server that never answers: the window shows, rings silently and says so; --say gives up in time
    pulse_start
    kill -STOP "$pulse_pid"
    bus_start
    display_start
    alarm_at_0730
    start=$(ms)
    window_start "2026-12-05 07:29:59"
    until xwininfo -root -tree 2>/dev/null | grep -q '"KALINDOR"'; do
        [ $(($(ms) - start)) -lt 2000 ] || fail "no window within 2 s"
        sleep 0.05
    done
    # The alarm check runs a second after start and gives up on the server within its time limit.
    for _ in $(seq 100); do [ "$(lines "$world/stderr")" -gt 0 ] && break; sleep 0.1; done
    [ "$(lines "$world/stderr")" -eq 1 ] || fail "the silent alarm was not reported once"
    sleep 1
    [ "$(grep -c 'Aucune sortie son' "$world/notifications")" -eq 1 ] || fail "the silent alarm was not notified once"
    kill -0 "$window_pid" || fail "the window did not keep running"
    start=$(ms)
    status=0
    "$binary" --say time --at "2026-12-05 14:05" 2>"$world/say" || status=$?
    took=$(($(ms) - start))
    echo "--say took $took ms for a phrase of 1.3 s"
    [ "$status" -eq 3 ] && [ "$(lines "$world/say")" -eq 1 ] || fail "--say: status $status, $(cat "$world/say")"
    [ "$took" -lt 4300 ] || fail "--say took $took ms"
    ;;
none) # no server at all
    status=0
    "$binary" --say time --at "2026-12-05 14:05" 2>"$world/say" || status=$?
    [ "$status" -eq 3 ] && [ "$(lines "$world/say")" -eq 1 ] || fail "--say: status $status, $(cat "$world/say")"
    "$binary" --say time --at "2026-12-05 14:05" --output "$world/say.wav" || fail "--say --output failed"
    [ "$(stat -c %s "$world/say.wav")" -gt 100000 ] || fail "--say --output wrote no phrase"
    ;;
sigterm) # SIGTERM in the middle of a ten-minute alarm file ends the window at once, its WAV whole
    le32() { printf "\\x$(printf %02x $(($1 & 255)))\\x$(printf %02x $(($1 >> 8 & 255)))\\x$(printf %02x $(($1 >> 16 & 255)))\\x$(printf %02x $(($1 >> 24 & 255)))"; }
    size=$((8000 * 2 * 600)) # ten minutes of 8 kHz mono 16-bit silence
    { printf 'RIFF'; le32 $((size + 36)); printf 'WAVEfmt '; le32 16; printf '\x01\x00\x01\x00'; le32 8000; le32 16000
      printf '\x02\x00\x10\x00data'; le32 $size; head -c $size /dev/zero; } >"$world/long.wav"
    display_start
    alarm_at_0730 "$world/long.wav"
    window_start "2026-12-05 07:29:59" --output "$world/out.wav"
    sleep 4
    kill -TERM "$window_pid"
    start=$(ms)
    status=0
    for _ in $(seq 50); do kill -0 "$window_pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$window_pid" 2>/dev/null && fail "still running 5 s after SIGTERM"
    wait "$window_pid" || status=$?
    echo "ended $(($(ms) - start)) ms after SIGTERM, status $status"
    [ "$status" -eq 0 ] || fail "exit status $status"
    # libsndfile reads a WAV whole when its RIFF and data lengths match the file.
    bytes=$(stat -c %s "$world/out.wav")
    data=$(grep -obUa data "$world/out.wav" | head -1 | cut -d: -f1)
    riff_len=$(od -An -tu4 -j4 -N4 "$world/out.wav" | tr -d ' ')
    data_len=$(od -An -tu4 -j$((data + 4)) -N4 "$world/out.wav" | tr -d ' ')
    echo "out.wav: $bytes bytes, RIFF length $riff_len, data length $data_len"
    [ "$data_len" -gt 44100 ] && [ "$riff_len" -eq $((bytes - 8)) ] && [ "$data_len" -eq $((bytes - data - 8)) ] \
        || fail "out.wav's header does not match its length"
    ;;
*) echo "unknown scenario $2"; exit 2 ;;
esac
echo "PASS: $2"
