#!/usr/bin/env bash
# The real program against a hostile clock, one scenario a run: daylight saving both ways in Paris, a
# jump of the clock over an alarm, a new zone while running, a 1 Hz sound file, Snooze from the ringing
# notice and the summary of a save. Usage: blackbox_clock.sh BINARY SCENARIO
set -euo pipefail
binary=$1
scenario=$2
# The zone is changed by mounting another zone file over /etc/localtime, in a mount namespace of its own.
if [ "$scenario" = zone ] && [ -z "${KALINDOR_OWN_MOUNTS:-}" ]; then
    exec unshare -m --propagation private env KALINDOR_OWN_MOUNTS=1 bash "$0" "$@"
fi
source "$(dirname "$0")/sound_world.sh"
libfaketime=/usr/lib/x86_64-linux-gnu/faketime/libfaketime.so.1
failed=0
fail() { echo "FAIL: $*"; failed=1; }
size() { stat -c %s "$world/$1/out.wav" 2>/dev/null || echo 0; }
bigger() { [ "$(size "$1")" -gt "$2" ]; }
noticed() { grep -q "$1" "$world/notices" 2>/dev/null; }

# run NAME UTC-TIME "BOXES SOUND" ... [-- OPTIONS]: Kalindor with its own settings and wall clock,
# the clock starting at UTC-TIME, alarm k set from the k-th row ("5 12 2026 7 30 1 0 0 Browse").
run() {
    local name=$1 dir=$world/$1 at=$2
    shift 2
    mkdir -p "$dir"
    local rows=() options=()
    while [ $# -gt 0 ] && [ "$1" != -- ]; do rows+=("$1"); shift; done
    [ $# -gt 0 ] && shift && options=("$@")
    while [ ${#rows[@]} -lt 10 ]; do rows+=("0 0 0 0 0 0 0 0 Browse"); done
    local row fields
    for row in "${rows[@]}"; do
        read -ra fields <<<"$row"
        printf '%-14s%-14s%-14s%-14s%-14s%-14s%-14s%-14s%s\r\n' "${fields[@]}"
    done >"$dir/kalind.dta"
    printf '0\r\n' >"$dir/saytime.dta"
    printf '%+ds\n' "$(($(date -ud "$at" +%s) - $(date +%s)))" >"$dir/faketime"
    LD_PRELOAD=$libfaketime FAKETIME_TIMESTAMP_FILE=$dir/faketime FAKETIME_NO_CACHE=1 FAKETIME_DONT_FAKE_MONOTONIC=1 \
        QT_LOGGING_RULES=kalindor.seconds.debug=true QT_MESSAGE_PATTERN='%{message}' \
        "$binary" --config-dir "$dir" --output "$dir/out.wav" "${options[@]}" 2>"$dir/stderr" &
    pids+=("$!")
}
# Moves the wall clock of run $1 on by $2 seconds.
jump() { local dir=$world/$1; printf '%+ds\n' "$(($(tr -dc 0-9- <"$dir/faketime") + $2))" >"$dir/faketime"; }
# The times run $1 painted, one a line ("07:30:05").
painted() { grep -oE '^[0-9]{2}:[0-9]{2}:[0-9]{2} [0-9]+$' "$world/$1/stderr" | cut -d' ' -f1; }
notifier_start() {
    /usr/bin/python3 "$(dirname "$0")/notification_server.py" "$world/notices" "$@" &
    pids+=("$!")
    for _ in $(seq 50); do
        dbus-send --session --print-reply --dest=org.freedesktop.Notifications /org/freedesktop/Notifications \
            org.freedesktop.Notifications.GetServerInformation >/dev/null 2>&1 && return 0
        sleep 0.1
    done
    echo "FAIL: the stand-in notification server did not start"; exit 1
}
gong_at() { echo "$1 1 0 0 Browse"; } # a row whose sound is the gong

case $scenario in
dst) # Paris goes back at 01:00 UTC on 25 October 2026 and forward at 01:00 UTC on 28 March 2027.
    display_start
    export TZ=Europe/Paris
    run first 2026-10-25T00:29:57 "$(gong_at '25 10 2026 2 30')"
    run second 2026-10-25T01:29:57 "$(gong_at '25 10 2026 2 30')"
    run gap 2027-03-28T00:59:57 "$(gong_at '28 3 2027 2 30')"
    sleep 2
    [ "$(size gap)" -lt 1000 ] || fail "the skipped 2:30 rang before the gap"
    wait_for 20 bigger first 200000 || fail "2:30 did not ring at its first pass"
    wait_for 20 bigger gap 200000 || fail "the skipped 2:30 did not ring at 3:00"
    [ "$(size second)" -lt 1000 ] || fail "2:30 rang at its second pass"
    ;;
jump) # the clock jumps from 07:29:53 to 07:35:53: no ring, one notice and one line that it was missed
    display_start
    bus_start
    notifier_start
    run jump 2026-12-05T07:29:50 "$(gong_at '5 12 2026 7 30')"
    sleep 3
    jump jump 360
    wait_for 10 noticed '^Alarme 1 — 07:30 — manquée' || fail "no missed notice: $(cat "$world/notices")"
    sleep 2
    [ "$(size jump)" -lt 1000 ] || fail "the alarm rang late"
    [ "$(grep -c '^Alarme 1 — 07:30 — manquée' "$world/notices")" -eq 1 ] || fail "no single missed notice: $(cat "$world/notices")"
    grep -qx 'kalindor: Alarme 1 — 07:30 — manquée' "$world/jump/stderr" || fail "the missed alarm was not on standard error"
    ;;
zone) # at 07:29:52 UTC the zone becomes Paris: the clock shows 08:29 within two seconds, the 8:30 alarm rings
    display_start
    unset TZ
    run zone 2026-12-05T07:29:50 "$(gong_at '5 12 2026 8 30')"
    sleep 2
    mount --bind /usr/share/zoneinfo/Europe/Paris /etc/localtime
    sleep 2
    painted zone | tail -1 | grep -q '^08:29:' || fail "the new zone was not shown: $(painted zone | tail -1)"
    wait_for 20 bigger zone 200000 || fail "the alarm did not ring at the new zone's 8:30"
    ;;
onehz) # a file whose header says 1 Hz rings under a sound server while the seconds go on
    pulse_start
    display_start
    printf 'RIFF\x24\x01\x00\x00WAVEfmt \x10\x00\x00\x00\x01\x00\x01\x00\x01\x00\x00\x00\x01\x00\x00\x00\x01\x00\x08\x00data\x00\x01\x00\x00' >"$world/onehz.wav"
    head -c 256 /dev/urandom >>"$world/onehz.wav"
    mkdir -p "$world/onehz"
    run onehz 2026-12-05T07:29:58 "5 12 2026 7 30 0 0 0 $world/onehz.wav" -- --output ""
    wait_for 20 eval 'painted onehz | grep -q "^07:30:00"' || fail "07:30 was never painted"
    record 5 "$world/rec"
    heard "$world/rec" || fail "the 1 Hz file was not heard"
    # Held by one sound the whole time, the window paints a new second only from between its pieces.
    seconds=$(painted onehz | grep -c '^07:30:0[1-5]' || true)
    [ "$seconds" -ge 3 ] || fail "only $seconds seconds drawn while the 1 Hz file rang"
    ;;
snooze) # Snooze taken at 07:30: silence for the rest of 07:30, a new ring and notice at 07:40
    display_start
    bus_start
    notifier_start snooze
    run snooze 2026-12-05T07:29:58 "$(gong_at '5 12 2026 7 30')"
    wait_for 20 noticed '^Alarme 1 — 07:30 ' || fail "no ringing notice"
    sleep 3 # the stand-in takes Snooze half a second after the notice
    cut=$(size snooze)
    sleep 3
    [ "$cut" -gt 1000 ] && [ "$(size snooze)" -eq "$cut" ] || fail "not silent after Snooze: $cut, then $(size snooze) bytes"
    jump snooze 590
    wait_for 20 bigger snooze $((cut + 200000)) || fail "no ring ten minutes after Snooze"
    grep -q '^Alarme 1 — 07:30 |  | snooze$' "$world/notices" || fail "the ringing notice offered no Snooze: $(cat "$world/notices")"
    grep -q '^Alarme 1 — 07:40 |  | snooze$' "$world/notices" || fail "no new notice at 07:40: $(cat "$world/notices")"
    ;;
save) # Save on Saturday 07:00: the Mon-Fri 6:45 alarm rings on Monday, the hour typed 07 never
    display_start
    bus_start
    notifier_start
    run save 2026-12-05T07:00:00 "$(gong_at 'Mon-Fri * * 6 45')" "0 0 0 0 0 0 0 0 Browse" "$(gong_at '5 12 2026 07 30')"
    for _ in $(seq 50); do main=$(xdotool search --name '^KALINDOR$' 2>/dev/null | head -1) && break; sleep 0.1; done
    xdotool mousemove --window "$main" 246 54 click 1
    for _ in $(seq 50); do set=$(xdotool search --name '^ALARM SET$' 2>/dev/null | head -1) && break; sleep 0.1; done
    xdotool mousemove --window "$set" 429 21 click 1
    wait_for 10 noticed '^Alarmes enregistrées' || true
    grep -qF 'Alarmes enregistrées | Alarme 1 : lundi 7 décembre à 06:45, dans 1 j 23 h 45 min / Alarme 3 : ne sonnera pas, Heure « 07 » : tapez 7 |' \
        "$world/notices" || fail "the save summary: $(cat "$world/notices")"
    ;;
esac
[ "$failed" -eq 0 ] && echo "PASS: $scenario"
exit "$failed"
