#!/usr/bin/env bash
# Installs the Debian packages Kalindor needs if any are missing, builds it, then starts it or runs every test.
#   ./dev.sh run [kalindor options]     build and start Kalindor
#   ./dev.sh test                       build and run every test
set -euo pipefail
cd "$(dirname "$0")"

build_packages=(cmake ninja-build g++ pkg-config qt6-base-dev libsndfile1-dev libpulse-dev libsoxr-dev fonts-dejavu-core
    qt6-translations-l10n)
# The end-to-end tests start the real program under a virtual display and a private session bus at a
# chosen time, with a private sound server whose output they record; the packaging test checks the
# desktop files and builds and inspects the Debian package.
test_packages=(xvfb xauth x11-utils faketime dbus pulseaudio pulseaudio-utils desktop-file-utils appstream
    dpkg-dev lintian)

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

build() {
    cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
    cmake --build build
}

case "${1:-}" in
run)
    shift
    install_missing "${build_packages[@]}"
    build
    exec build/src/app/kalindor "$@"
    ;;
test)
    install_missing "${build_packages[@]}" "${test_packages[@]}"
    build
    ctest --test-dir build --output-on-failure
    ;;
*)
    echo "usage: $0 run [options] | $0 test" >&2
    exit 2
    ;;
esac
