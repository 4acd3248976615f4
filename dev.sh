#!/usr/bin/env bash
# Installs the Debian packages Kalindor needs if any are missing, builds it, then starts it or runs every test.
#   ./dev.sh run [kalindor options]     build and start Kalindor
#   ./dev.sh test                       build and run every test, again on a hostile host, then the
#                                       checking build: the unit tests and the scenarios of the sound and
#                                       file paths under AddressSanitizer and UndefinedBehaviorSanitizer,
#                                       and a bounded session of each fuzz target; then how long each took
#   ./dev.sh test-release               build and run every test once: what another release of Debian
#                                       must prove, the rest being the same as on this one
set -euo pipefail
cd "$(dirname "$0")"

# qt6-wayland: the window opens natively on a Wayland desktop, not through XWayland.
# qt6-tools-dev and qt6-l10n-tools: the build compiles Kalindor's translation files.
# qt6-speech-dev and its speech-dispatcher plugin say the alarms' names; Qt 6.4's TextToSpeech CMake files
# (Debian 12) also ask for Qt Qml's (qt6-declarative-dev), which its package does not bring.
build_packages=(cmake ninja-build g++ pkg-config qt6-base-dev libsndfile1-dev libpulse-dev libsoxr-dev fonts-dejavu-core
    qt6-translations-l10n qt6-wayland qt6-tools-dev qt6-l10n-tools qt6-speech-dev qt6-speech-speechd-plugin
    qt6-declarative-dev)
# The black-box tests (Debian's python3) start the real program under a virtual display and a private
# session bus at a chosen time, with a private sound server whose output they record; the packaging test
# checks the desktop files and builds and inspects the Debian package. They answer notifications with a
# stand-in server (python3-gi), press buttons with xdotool, ping the window as a window manager does
# (python3-xlib) and step through zones (tzdata). One hears an alarm's name said by speech-dispatcher; one listens to what Orca says of the windows over the
# AT-SPI bus (speaking through speech-dispatcher and espeak-ng) and of a ringing notice
# drawn by GNOME's notification daemon (notification-daemon), one runs under a headless Wayland
# compositor, and one serves an alarm's file from a FUSE share whose reads stall (python3-fusepy, fuse3;
# it needs /dev/fuse, which the Debian 13 chroot of .ci/debian13.sh has on its devtmpfs). The tray's
# item is shown by a real StatusNotifierItem host, the XFCE panel's status tray (xfce4-panel).
test_packages=(xvfb xauth x11-utils faketime dbus pulseaudio pulseaudio-utils desktop-file-utils appstream
    dpkg-dev lintian xdotool python3 python3-gi python3-xlib tzdata at-spi2-core python3-pyatspi weston orca
    speech-dispatcher speech-dispatcher-espeak-ng python3-fusepy fuse3 xfce4-panel notification-daemon)
# The checking build: clang with its sanitizer and libFuzzer runtimes, llvm-symbolizer for readable reports.
# These names follow the release's default clang (14 on Debian 12, 19 on Debian 13), never a version of it.
check_packages=(clang libclang-rt-dev llvm)

install_missing() {
    local missing=()
    for package in "$@"; do
        dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "ok installed" || missing+=("$package")
    done
    [ ${#missing[@]} -eq 0 ] && return
    local sudo=()
    [ "$(id -u)" -ne 0 ] && sudo=(sudo)
    "${sudo[@]}" apt-get update -qq
    DEBIAN_FRONTEND=noninteractive "${sudo[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
}

# Every test runs in a world of its own and most of them wait rather than compute: twice as many at once as
# there are cores.
jobs=$(($(nproc) * 2))
# How long each part took, printed at the end with the slowest tests.
timings=()
timed() {
    local name=$1 started=$SECONDS
    shift
    "$@"
    timings+=("$(printf '%-16s %5d s' "$name" $((SECONDS - started)))")
}
report() {
    echo "Time taken:"
    printf '  %s\n' "${timings[@]}"
    echo "Slowest tests:"
    /usr/bin/python3 -c 'import pathlib, sys, xml.etree.ElementTree as et
cases = [(float(c.get("time")), pathlib.Path(f).stem, c.get("name")) for f in sys.argv[1:] for c in et.parse(f).iter("testcase")]
for time, run, name in sorted(cases, reverse=True)[:10]:
    print(f"  {time:7.1f} s  {name} ({run})")' "$@"
}

build() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build
}

# One clang build serves both: the libraries are instrumented for libFuzzer as well as sanitized.
check() {
    CC=clang CXX=clang++ cmake -S . -B build-check -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DKALINDOR_SANITIZE=ON -DKALINDOR_FUZZ=ON -DKALINDOR_DEPRECATED_ERRORS=ON >/dev/null
    timed "check: build" cmake --build build-check
    # allocator_release_to_os_interval_ms=-1: the allocator would read the clock while holding its lock,
    # and libfaketime (the alarm test's) allocates when first asked the time: a deadlock at start-up.
    export ASAN_OPTIONS=detect_leaks=1:allocator_release_to_os_interval_ms=-1
    export LSAN_OPTIONS="suppressions=$PWD/tests/sanitizers/lsan.supp:print_suppressions=0"
    export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
    # What the sanitizers add is a look at the program's own memory: every unit test, and the scenarios that
    # run its sound and file paths. Left out: the package (cpack and lintian take the time; its --say runs are
    # made by other scenarios), Orca (Orca and speech-dispatcher take the time; the accessible texts are
    # tst_accessibility's), Wayland (the compositor's path is Qt's, not ours) and the spoken name (Qt's
    # speech-dispatcher engine, made at the first name, reads the service's list of voices a byte at a time:
    # 1.3 s in the ordinary build, more than 40 s in a sanitized one, so the name is rightly dropped after
    # 10 s; the name's road through the ringer is the engine test's, run here).
    timed "check: tests" ctest --test-dir build-check --output-on-failure --label-exclude fuzz --parallel "$jobs" \
        --exclude-regex '^(packaging|blackbox_orca|blackbox_wayland|blackbox_alarm_name)$' --output-junit "$PWD/build-check/check.xml"
    # The fuzz sessions compute: one a core.
    timed fuzz ctest --test-dir build-check --output-on-failure --label-regex fuzz --parallel "$(nproc)"
}

case "${1:-}" in
run)
    shift
    install_missing "${build_packages[@]}"
    build
    exec build/src/app/kalindor "$@"
    ;;
test)
    timed packages install_missing "${build_packages[@]}" "${test_packages[@]}" "${check_packages[@]}"
    timed build build
    timed "ordinary run" ctest --test-dir build --output-on-failure --parallel "$jobs" --output-junit "$PWD/build/ordinary.xml"
    # Once more on a host that looks like a busy desktop, which the tests must neither need nor touch.
    timed "hostile host" /usr/bin/python3 tests/blackbox/hostile_host.py build --parallel "$jobs" \
        --output-junit "$PWD/build/hostile.xml"
    check
    report build/ordinary.xml build/hostile.xml build-check/check.xml
    ;;
test-release)
    timed packages install_missing "${build_packages[@]}" "${test_packages[@]}"
    timed build build
    timed "ordinary run" ctest --test-dir build --output-on-failure --parallel "$jobs" --output-junit "$PWD/build/ordinary.xml"
    report build/ordinary.xml
    ;;
*)
    echo "usage: $0 run [options] | $0 test | $0 test-release" >&2
    exit 2
    ;;
esac
