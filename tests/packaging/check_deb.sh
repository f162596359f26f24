#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orbelle developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package into a fresh folder and checks its control fields, its
# dependencies and its contents.
#   check_deb.sh <cpack> <binary dir> <output dir> <app-id> <version>
set -euo pipefail
cpack=$1
binary_dir=$2
out=$3
app_id=$4
version=$5
source "$(dirname "$0")/installed_files.sh"

for program in dpkg-deb dpkg-shlibdeps file readelf lintian; do
    command -v "$program" >/dev/null || { echo "$program is missing (packages dpkg-dev, file, binutils, lintian)"; exit 1; }
done

rm -rf "$out"
mkdir -p "$out"
"$cpack" -G DEB --config "$binary_dir/CPackConfig.cmake" -B "$out"
echo

arch=$(dpkg --print-architecture)
deb="$out/Orbelle-$version-$arch.deb"
if [ ! -f "$deb" ]; then
    echo "FAIL: no Orbelle-$version-$arch.deb; cpack made:"
    ls "$out"
    exit 1
fi

faults=0
field() { dpkg-deb -f "$deb" "$1"; }
expect() {
    local got
    got=$(field "$1")
    if [ "$got" != "$2" ]; then
        echo "FAIL: $1 is '$got', expected '$2'"
        faults=1
    fi
}
expect Package orbelle
expect Version "$version"
expect Architecture "$arch"
expect Section education
expect Maintainer "Orbelle developers <dev@orbelle.example>"
# Wayland desktops need the plugin to show Orbelle natively, not through XWayland.
expect Recommends qt6-wayland

depends=$(field Depends)
echo "Depends: $depends"
# The package names alone, without versions and alternatives.
names=$(tr ',|' '\n\n' <<<"$depends" | sed 's/(.*//; s/^ *//; s/ *$//' | sort -u)
for package in libc6 libstdc++6 libqt6core6 libqt6gui6 libqt6widgets6 fonts-dejavu-core; do
    if ! grep -qx "$package" <<<"$names"; then
        echo "FAIL: Depends lacks $package"
        faults=1
    fi
done

# Every entry sits under /usr, belongs to root and can be read by everyone; only the
# program is executable.
while read -r mode owner _ _ _ path; do
    case "$path" in
        ./usr/bin/Orbelle) want=-rwxr-xr-x ;;
        */) want=drwxr-xr-x ;;
        *) want=-rw-r--r-- ;;
    esac
    if [[ "$path" != ./usr/* && "$path" != ./ ]]; then
        echo "FAIL: $path lies outside /usr"
        faults=1
    fi
    if [ "$mode" != "$want" ] || [ "$owner" != root/root ]; then
        echo "FAIL: $path is $mode $owner, expected $want root/root"
        faults=1
    fi
done < <(dpkg-deb -c "$deb")

root="$out/contents"
dpkg-deb -x "$deb" "$root"
check_tree "$root/usr" "$app_id" || faults=1

# A run path into the build tree would load other Qt libraries than the ones Depends names.
runpath=$(readelf -d "$root/usr/bin/Orbelle" | grep -E '\((RPATH|RUNPATH)\)' || true)
if [ -n "$runpath" ]; then
    echo "FAIL: the packaged program has a run path: $runpath"
    faults=1
fi

# Debian's own checker: any tag it prints, down to the pedantic ones, is a fault. (Its
# hints of the info level depend on the build type; make package checks the release
# build for those too.) Its warning about running as root goes to stderr.
tags=$(lintian --pedantic "$deb")
if [ -n "$tags" ]; then
    echo "FAIL: lintian reports:"
    echo "$tags"
    faults=1
fi

if [ $faults -eq 0 ]; then
    echo "$(basename "$deb") is complete and lintian-clean"
fi
exit $faults
