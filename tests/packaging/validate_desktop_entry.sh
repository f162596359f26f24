#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orbelle developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Validates the desktop entry as desktop environments read it: a hint counts too, since
# hints report real faults such as the program appearing twice in the menu.
#   validate_desktop_entry.sh <file.desktop> <app-id>
set -euo pipefail
entry=$1
app_id=$2

command -v desktop-file-validate >/dev/null || { echo "desktop-file-validate is missing (package desktop-file-utils)"; exit 1; }

status=0
if [ "$(basename "$entry")" != "$app_id.desktop" ]; then
    echo "FAIL: the desktop entry is $(basename "$entry"), not $app_id.desktop"
    status=1
fi

report=$(desktop-file-validate "$entry" 2>&1) || status=1
if [ -n "$report" ]; then
    echo "$report"
    status=1
fi

value() { sed -n "s/^$1=//p" "$entry" | head -n 1; }
expect() {
    local key=$1 want=$2 got
    got=$(value "$key")
    if [ "$got" != "$want" ]; then
        echo "FAIL: $key is '$got', expected '$want'"
        status=1
    fi
}
expect Type Application
expect Name Orbelle
expect Exec Orbelle
expect Icon "$app_id"
expect Terminal false
for key in GenericName Comment Categories Keywords; do
    [ -n "$(value "$key")" ] || { echo "FAIL: $key is empty or missing"; status=1; }
done

[ $status -eq 0 ] && echo "desktop entry $(basename "$entry") is valid"
exit $status
