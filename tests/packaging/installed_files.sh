# SPDX-FileCopyrightText: 2026 Orbelle developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Sourced by the install and package checks: what an installed Orbelle consists of, and
# how each part is checked, for a tree rooted at the install prefix.

# expected_files <app-id>: every file the install puts under the prefix, sorted.
expected_files() {
    local id=$1
    printf '%s\n' \
        bin/Orbelle \
        "share/applications/$id.desktop" \
        share/doc/orbelle/changelog.gz \
        share/doc/orbelle/copyright \
        "share/icons/hicolor/128x128/apps/$id.png" \
        "share/icons/hicolor/256x256/apps/$id.png" \
        "share/icons/hicolor/32x32/apps/$id.png" \
        "share/icons/hicolor/64x64/apps/$id.png" \
        "share/icons/hicolor/scalable/apps/$id.svg" \
        share/man/man1/Orbelle.1.gz \
        "share/metainfo/$id.metainfo.xml" | LC_ALL=C sort
}

# bytes <file> <offset> <count>: the bytes as unsigned decimal numbers separated by spaces.
bytes() {
    od -An -v -tu1 -j "$2" -N "$3" "$1" | tr -s ' \n' '  ' | sed 's/^ //; s/ $//'
}

# png_size <file>: "<width>x<height>" from the IHDR chunk, or nothing when it is no PNG.
png_size() {
    local signature ihdr w h
    signature=$(bytes "$1" 0 8)
    ihdr=$(od -An -c -j 12 -N 4 "$1" | tr -d ' \n')
    [ "$signature" = "137 80 78 71 13 10 26 10" ] && [ "$ihdr" = "IHDR" ] || return 0
    read -r -a w <<<"$(bytes "$1" 16 4)"
    read -r -a h <<<"$(bytes "$1" 20 4)"
    echo "$(( (w[0] << 24) | (w[1] << 16) | (w[2] << 8) | w[3] ))x$(( (h[0] << 24) | (h[1] << 16) | (h[2] << 8) | h[3] ))"
}

# desktop_value <file> <key>: the value of a key of the [Desktop Entry] group.
desktop_value() {
    sed -n '/^\[Desktop Entry\]/,/^\[/p' "$1" | sed -n "s/^$2=//p" | head -n 1
}

# check_tree <prefix> <app-id>: prints each fault; returns non-zero if there was one.
check_tree() {
    local root=$1 id=$2 faults=0 size file actual
    local share="$root/share"

    actual=$(cd "$root" && find . \( -type f -o -type l \) -printf '%P\n' | LC_ALL=C sort)
    if [ "$actual" != "$(expected_files "$id")" ]; then
        echo "FAIL: the installed files differ from the expected ones (< expected, > installed):"
        diff <(expected_files "$id") <(echo "$actual") | grep '^[<>]' || true
        faults=1
    fi

    file="$root/bin/Orbelle"
    if [ ! -x "$file" ] || [ "$(bytes "$file" 0 4)" != "127 69 76 70" ]; then
        echo "FAIL: bin/Orbelle is not an executable ELF file"
        faults=1
    fi

    for size in 32 64 128 256; do
        file="$share/icons/hicolor/${size}x${size}/apps/$id.png"
        [ -f "$file" ] || continue
        actual=$(png_size "$file")
        if [ "$actual" != "${size}x${size}" ]; then
            echo "FAIL: ${file#"$root"/} is '${actual:-not a PNG}', expected ${size}x${size}"
            faults=1
        fi
    done

    file="$share/icons/hicolor/scalable/apps/$id.svg"
    if [ -f "$file" ] && ! grep -q '<svg[ >]' "$file"; then
        echo "FAIL: ${file#"$root"/} is not an SVG image"
        faults=1
    fi

    file="$share/applications/$id.desktop"
    if [ -f "$file" ]; then
        local icon exec program found=0
        icon=$(desktop_value "$file" Icon)
        for size in 32x32 64x64 128x128 256x256 scalable; do
            for actual in "$share/icons/hicolor/$size/apps/$icon".{png,svg}; do
                [ -n "$icon" ] && [ -f "$actual" ] && found=1
            done
        done
        if [ $found -eq 0 ]; then
            echo "FAIL: the desktop entry's Icon '$icon' names no installed hicolor icon"
            faults=1
        fi
        exec=$(desktop_value "$file" Exec)
        program=${exec%% *}
        if [[ -z "$program" || "$program" == */* || ! -x "$root/bin/$program" ]]; then
            echo "FAIL: the desktop entry's Exec '$exec' does not name the installed bin/Orbelle"
            faults=1
        fi
    fi

    file="$share/metainfo/$id.metainfo.xml"
    if [ -f "$file" ]; then
        actual=$(sed -n 's:.*<launchable type="desktop-id">\(.*\)</launchable>.*:\1:p' "$file")
        if [ -z "$actual" ] || [ ! -f "$share/applications/$actual" ]; then
            echo "FAIL: the metainfo's launchable '$actual' is no installed desktop entry"
            faults=1
        fi
    fi
    return $faults
}
