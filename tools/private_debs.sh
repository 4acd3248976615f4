#!/usr/bin/env bash
# Unpacks Debian packages into a folder of their own, leaving the machine as it was: apt works from its own
# sources list, package lists and cache under DIR, and the packages are unpacked with dpkg-deb, not installed,
# so /etc/apt, the installed package set and /usr stay untouched. Removing DIR removes every trace.
#   tools/private_debs.sh DIR COMPONENTS PACKAGE...
# COMPONENTS: the archive areas to read, as in a sources list ("main", "main non-free").
# The packages, and whatever they depend on that the machine lacks, land under DIR/root (DIR/root/usr/bin,
# DIR/root/usr/lib/...); the caller points PATH and LD_LIBRARY_PATH there.
set -euo pipefail

[ $# -ge 3 ] || { echo "usage: $0 DIR COMPONENTS PACKAGE..." >&2; exit 2; }
dir=$(mkdir -p "$1" && cd "$1" && pwd)
components=$2
shift 2

codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-bookworm}")
mkdir -p "$dir/apt/lists/partial" "$dir/apt/cache/archives/partial" "$dir/debs" "$dir/root"
keyring=/usr/share/keyrings/debian-archive-keyring.gpg
{
    echo "deb [signed-by=$keyring] http://deb.debian.org/debian $codename $components"
    echo "deb [signed-by=$keyring] http://deb.debian.org/debian $codename-updates $components"
    echo "deb [signed-by=$keyring] http://deb.debian.org/debian-security $codename-security $components"
} >"$dir/apt/sources.list"
options=(-o Dir::Etc::sourcelist="$dir/apt/sources.list" -o Dir::Etc::sourceparts=-
    -o Dir::State::Lists="$dir/apt/lists" -o Dir::Cache="$dir/apt/cache"
    -o Dir::Cache::pkgcache= -o Dir::Cache::srcpkgcache= -o APT::Sandbox::User=root)
apt-get -qq "${options[@]}" update
# The named packages and what they depend on, directly or not, that is not installed here (of alternatives
# the first). A package being installed by someone else meanwhile is taken as installed or not as dpkg says.
wanted=()
declare -A seen=()
queue=("$@")
while [ ${#queue[@]} -gt 0 ]; do
    package=${queue[0]}
    queue=("${queue[@]:1}")
    [ -n "${seen[$package]:-}" ] && continue
    seen[$package]=1
    if [ ${#wanted[@]} -ge $# ]; then # a dependency, not one of the named packages
        [ "$(dpkg-query -W -f='${db:Status-Abbrev}' "$package" 2>/dev/null)" = "ii " ] && continue
        apt-cache "${options[@]}" show --no-all-versions "$package" >/dev/null 2>&1 || continue # virtual
    fi
    wanted+=("$package")
    queue+=($(apt-cache "${options[@]}" show --no-all-versions "$package" |
        awk -F': ' '/^(Pre-)?Depends:/ { print $2 }' | tr ',' '\n' | sed -e 's/|.*//' -e 's/(.*)//' -e 's/:any//'))
done
(cd "$dir/debs" && apt-get -qq "${options[@]}" download "${wanted[@]}")
for deb in "$dir"/debs/*.deb; do
    dpkg-deb -x "$deb" "$dir/root"
done
