#!/usr/bin/env bash
# Runs the README's test command (or another command given) in a minimal Debian 13 root, from a copy of
# this clone, so that a Debian 12 machine proves Kalindor on both releases:
#   .ci/debian13.sh                   ./dev.sh test-release in the root, from a fresh copy of the clone
#   .ci/debian13.sh COMMAND...        that command instead, in the copy (bash -c '...' for a line)
#   .ci/debian13.sh --fresh [...]     make the root anew first
# Needs root (it is asked for through sudo) for debootstrap, chroot and the mounts; installs debootstrap if
# missing. The root and the downloaded packages are kept in KALINDOR_DEBIAN13_STORE (default
# /var/cache/kalindor-debian13), outside every clone, so that the next run on this machine skips debootstrap
# and most downloads; a run never changes the host otherwise: every mount is made in a mount and PID
# namespace of the run's own, so the kernel takes them down, with every process started in the root,
# however the run ends (failure, Ctrl+C, SIGTERM, SIGKILL).
set -euo pipefail
[ "$(id -u)" -eq 0 ] || exec sudo -- "$0" "$@"
cd "$(dirname "$0")/.."
source=$PWD
store=${KALINDOR_DEBIAN13_STORE:-/var/cache/kalindor-debian13}
root=$store/root debs=$store/debs
mirror=http://deb.debian.org/debian

fresh=0
if [ "${1:-}" = --fresh ]; then
    fresh=1
    shift
fi
# The hostile host and the checking build prove nothing there that they do not prove on Debian 12: the
# release's own build, Qt, Orca, AppStream and lintian are met by the whole suite, run once.
[ $# -gt 0 ] || set -- ./dev.sh test-release

mkdir -p "$store" "$debs"
# One run at a time uses the root: a second waits (an hour at most) rather than sharing it.
exec 9>"$store/lock"
flock -w 3600 9 || { echo "debian13.sh: $store is in use by another run" >&2; exit 1; }

if ! command -v debootstrap >/dev/null; then
    apt-get update -qq
    DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap
fi

# Runs "$@" in a mount and PID namespace of its own, stopping it if this script is told to stop. When the
# namespace's first process ends, the kernel kills the rest and drops every mount made inside. unshare
# holds SIGTERM and SIGINT back while its child runs: it is killed, and takes that first process with it.
isolated() {
    unshare --mount --propagation private --pid --fork --kill-child "$@" &
    local child=$!
    trap 'kill -KILL $child 2>/dev/null; wait $child; exit 143' TERM INT HUP
    local status=0
    wait $child || status=$?
    trap - TERM INT HUP
    return $status
}

if [ $fresh = 1 ] || [ ! -x "$root/usr/bin/apt-get" ]; then
    rm -rf "$root" "$root.new"
    echo "debian13.sh: making a Debian 13 root in $root (debootstrap, a few minutes)"
    # debootstrap mounts /proc and /sys inside the new root as it works: in the namespace, an interrupted
    # run leaves none of them behind. The root is renamed into place only once complete.
    isolated debootstrap --variant=minbase --cache-dir="$debs" trixie "$root.new" "$mirror" >"$store/debootstrap.log" 2>&1 ||
        { tail -20 "$store/debootstrap.log" >&2; echo "debian13.sh: debootstrap failed (all of it: $store/debootstrap.log)" >&2; exit 1; }
    mv "$root.new" "$root"
fi
grep -q '^VERSION_ID="13"' "$root/etc/os-release" || { echo "debian13.sh: $root is not Debian 13" >&2; exit 1; }

# The clone as it is now, uncommitted changes included, without build folders or anything else ignored.
copy=$root/root/kalindor
rm -rf "$copy"
mkdir -p "$copy"
if git -C "$source" rev-parse --git-dir >/dev/null 2>&1; then
    git -C "$source" ls-files -z --cached --others --exclude-standard |
        tar -C "$source" --null --ignore-failed-read -T - -cf - 2>/dev/null | tar -C "$copy" -xf -
else
    tar -C "$source" --exclude='./build*' -cf - . | tar -C "$copy" -xf -
fi
cp /etc/resolv.conf "$root/etc/resolv.conf"

# Inside the namespace: the root becomes a mount point (a bind mount onto itself), with /proc, /sys, /dev
# (with its own /dev/pts and /dev/shm), /run and /tmp mounted as a running Debian 13 has them, and apt's
# package folder kept in the store; then the command runs chrooted, as root, in an environment of its own.
setup='set -e
root=$1 debs=$2
shift 2
mount --bind "$root" "$root"
mount -t proc -o nosuid,nodev,noexec proc "$root/proc"
mount -t sysfs -o nosuid,nodev,noexec sysfs "$root/sys"
mount -t devtmpfs -o nosuid,mode=755 devtmpfs "$root/dev"
mount -t devpts -o newinstance,nosuid,noexec,gid=5,mode=620,ptmxmode=666 devpts "$root/dev/pts"
mount -t tmpfs -o nosuid,nodev,mode=1777 shm "$root/dev/shm"
mount -t tmpfs -o nosuid,nodev,mode=755 run "$root/run"
mount -t tmpfs -o nosuid,nodev,mode=1777 tmp "$root/tmp"
mount --bind "$debs" "$root/var/cache/apt/archives"
cd /  # this shell stays the first process of the namespace, to reap what the tests leave to it
chroot "$root" /usr/bin/env -i HOME=/root TERM="${TERM:-dumb}" LANG=C.UTF-8 \
    PATH=/usr/local/sbin:/usr/local/bin:/usr/sbin:/usr/bin:/sbin:/bin \
    /bin/bash -c "cd /root/kalindor && exec \"\$@\"" command "$@"'
echo "debian13.sh: $* in Debian $(cat "$root/etc/debian_version") ($root)"
started=$SECONDS
status=0
isolated /bin/bash -c "$setup" setup "$root" "$debs" "$@" || status=$?
echo "debian13.sh: ended with status $status after $((SECONDS - started)) s"
exit $status
