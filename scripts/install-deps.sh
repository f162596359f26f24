#!/usr/bin/env bash
# Installs the Debian/Ubuntu packages that building and testing need, and nothing
# when they are all present. Uses sudo when not run as root.
set -euo pipefail

packages=(
    cmake          # build system and CTest
    make
    g++            # compiler, with the sanitizer runtimes
    qt6-base-dev   # Qt Core, Gui, Widgets and Test, with rcc and moc
    fonts-dejavu-core  # the font the window falls back to without Verdana
)

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    exit 0
fi

echo "Installing missing packages: ${missing[*]}"
sudo=()
if [ "$(id -u)" -ne 0 ]; then
    sudo=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo[@]}" apt-get update -q
"${sudo[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
