#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orbelle developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the built tree into a fresh folder and checks what landed there.
#   check_install.sh <cmake> <binary dir> <prefix> <app-id>
set -euo pipefail
cmake=$1
binary_dir=$2
prefix=$3
app_id=$4
source "$(dirname "$0")/installed_files.sh"

rm -rf "$prefix"
"$cmake" --install "$binary_dir" --prefix "$prefix"
echo
if check_tree "$prefix" "$app_id"; then
    echo "the install tree in $prefix is complete"
else
    exit 1
fi
