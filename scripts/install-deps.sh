#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orbelle developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian/Ubuntu packages that a make target needs, and nothing when they
# are all present. Uses sudo when not run as root.
#   scripts/install-deps.sh [build|fuzz|bench|package|a11y|format]...   (default: build)
set -euo pipefail

# What building the program and running its whole test suite needs.
build=(
    cmake              # build system and CTest
    make
    g++                # compiler, with the sanitizer runtimes
    qt6-base-dev       # Qt Core, Gui, Widgets and Test, with rcc and moc
    qt6-base-private-dev # the accessibility test switches Qt's accessibility on, as a screen reader does
    fonts-dejavu-core  # the font the window falls back to without Verdana
    desktop-file-utils # the packaging tests: desktop-file-validate
    appstream          # the packaging tests: appstreamcli validate
    dpkg-dev           # the packaging tests build the .deb: dpkg-shlibdeps
    file               # cpack finds the programs to pass to dpkg-shlibdeps with it
    lintian            # the packaging tests: Debian's checker of the .deb
    reuse              # the packaging tests: every file states its licence
    weston             # the Wayland test: a headless compositor
    qt6-wayland        # the Wayland test: Qt's Wayland platform plugin
)
# The fuzz targets: clang's libFuzzer.
fuzz=(clang libclang-rt-14-dev)
# The start-up benchmark: hyperfine for the times, GNU time for the peak memory,
# valgrind for instruction counts that do not wobble with the machine's load, an X
# server in memory for the xcb runs, python3 for the table.
bench=(hyperfine time valgrind xvfb xauth python3)
# The screen reader walk (make a11y): Orca, which brings speech-dispatcher, whose dummy
# module needs no sound card; the accessibility bus; an X server in memory with a window
# manager; xdotool to type; dbus-run-session for a private session bus.
a11y=(orca speech-dispatcher at-spi2-core dbus-daemon xvfb openbox xdotool python3)
# Building the Debian package: cpack's DEB generator runs dpkg-shlibdeps on what `file`
# reports as an executable; lintian checks the result.
package=(dpkg-dev file lintian)
# make format and make format-check: the formatter whose output .clang-format describes.
format=(clang-format-14)

groups=("$@")
[ ${#groups[@]} -gt 0 ] || groups=(build)

wanted=()
for group in "${groups[@]}"; do
    case "$group" in
        build) wanted+=("${build[@]}") ;;
        fuzz) wanted+=("${fuzz[@]}") ;;
        bench) wanted+=("${bench[@]}") ;;
        package) wanted+=("${package[@]}") ;;
        a11y) wanted+=("${a11y[@]}") ;;
        format) wanted+=("${format[@]}") ;;
        *) echo "unknown package group: $group" >&2; exit 2 ;;
    esac
done

missing=()
for package in "${wanted[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
[ ${#missing[@]} -gt 0 ] || exit 0

echo "Installing missing packages: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
