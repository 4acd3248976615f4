#!/usr/bin/env bash
# The desktop files are valid, --autostart writes and removes a valid entry, and the Debian package
# holds what an installed Kalindor needs, with its dependencies declared and nothing lintian objects to.
#   packaging.sh KALINDOR SOURCE-DIR BUILD-DIR
set -euo pipefail
binary="$1" source="$2" build="$3"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }

desktop-file-validate "$source/packaging/kalindor.desktop"
appstreamcli validate --no-net --explain "$source/packaging/org.kalindor.Kalindor.metainfo.xml"

entry="$work/config/autostart/kalindor.desktop"
XDG_CONFIG_HOME="$work/config" "$binary" --autostart on --config-dir "$work/my settings"
desktop-file-validate "$entry"
grep -qx "Exec=$binary --config-dir \"$work/my settings\"" "$entry" || fail "Exec line: $(grep Exec= "$entry")"
XDG_CONFIG_HOME="$work/config" "$binary" -autostart off
[ ! -e "$entry" ] || fail "--autostart off left $entry"

cpack --config "$build/CPackConfig.cmake" -B "$work/package" >/dev/null
deb=$(echo "$work"/package/kalindor_*.deb)
dpkg-deb --contents "$deb" | awk '{print $6}' | sed 's|^\./|/|' >"$work/contents"
for path in /usr/bin/kalindor /usr/share/applications/kalindor.desktop \
    /usr/share/metainfo/org.kalindor.Kalindor.metainfo.xml /usr/share/man/man1/kalindor.1.gz \
    /usr/share/doc/kalindor/copyright /usr/share/icons/hicolor/scalable/apps/kalindor.svg \
    /usr/share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/kalindor.png; do
    grep -qx "$path" "$work/contents" || fail "$path is not in the package"
done
depends=$(dpkg-deb --field "$deb" Depends)
for package in libqt6widgets6 libqt6dbus6 libsndfile1 libpulse0 libsoxr0 qt6-qpa-plugins; do
    [[ "$depends" == *"$package"* ]] || fail "Depends lacks $package: $depends"
done
[[ "$(dpkg-deb --field "$deb" Recommends)" == *qt6-wayland* ]] || fail "Recommends lacks qt6-wayland"
lintian --fail-on error,warning "$deb"
echo "PASS: $(wc -l <"$work/contents") paths in $(basename "$deb")"
