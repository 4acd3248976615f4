#!/usr/bin/env bash
# The real program read as a screen reader reads it: a private session bus with the accessibility bus
# and its registry, a virtual display, and atspi_tree.py walking the windows through AT-SPI.
#   blackbox_atspi.sh KALINDOR ATSPI_TREE.PY
set -euo pipefail
binary="$1" walker="$2"
source "$(dirname "$0")/sound_world.sh"
work=$world
display_start
bus_start

# The launcher starts the accessibility bus, and ends it when it is ended itself.
/usr/libexec/at-spi-bus-launcher --launch-immediately 2>"$work/launcher.log" &
pids+=($!)
a11y_address() {
    dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress \
        2>/dev/null | tr -d ' ' >"$work/a11y" && [ -s "$work/a11y" ]
}
wait_for 20 a11y_address || fail "no accessibility bus: $(cat "$work/launcher.log")"
/usr/libexec/at-spi2-registryd 2>"$work/registry.log" &
pids+=($!)
registry_up() {
    dbus-send --bus="$(cat "$work/a11y")" --print-reply --dest=org.freedesktop.DBus / \
        org.freedesktop.DBus.NameHasOwner string:org.a11y.atspi.Registry 2>/dev/null | grep -q true
}
wait_for 20 registry_up || fail "no AT-SPI registry: $(cat "$work/registry.log")"

QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 "$binary" --config-dir "$work/config" --output "$work/speech.wav" \
    >"$work/kalindor.log" 2>&1 &
pids+=($!)
# Debian's interpreter, which has the AT-SPI bindings; another python3 may come first on PATH.
timeout 120 /usr/bin/python3 "$walker" || fail "the tree as read through AT-SPI; Kalindor said: $(cat "$work/kalindor.log")"
kill -0 "${pids[-1]}" || fail "Kalindor ended: $(cat "$work/kalindor.log")"
echo "PASS: both windows, in French and in English, as a screen reader reads them"
