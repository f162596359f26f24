#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orbelle developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Starts Orbelle through Qt's Wayland plugin on a headless Weston and reads the client's
# side of the protocol (WAYLAND_DEBUG=client): the main window, the second-instance
# alert and the update reminder must each reach the compositor as a mapped window with
# its title. A headless Weston has no seat, so no key or click can close anything: each
# copy is ended with SIGTERM, as a session ends its programs at logout, and must still
# be running then.
#   run_on_weston.sh <Orbelle> <version>
set -euo pipefail
program=$(realpath "$1")
version=$2

command -v weston >/dev/null || { echo "SKIP: weston is missing (package weston)"; exit 77; }

work=$(mktemp -d)
pids=()
cleanup() {
    for pid in "${pids[@]}"; do kill "$pid" 2>/dev/null || true; done
    wait 2>/dev/null || true
    rm -rf "$work"
}
trap cleanup EXIT

# The compositor's socket and Orbelle's single-instance lock live in a runtime folder of
# this test alone, so a Wayland desktop or an Orbelle of the person running the tests
# stays out of it.
mkdir -m 700 "$work/runtime"
export XDG_RUNTIME_DIR="$work/runtime" WAYLAND_DISPLAY=orbelle-test
unset DISPLAY
weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 --no-config \
    --log="$work/weston.log" &
pids+=($!)

export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" QT_QPA_PLATFORM=wayland WAYLAND_DEBUG=client
settings="$XDG_CONFIG_HOME/Orbelle/Orbelle.conf"
mkdir -p "$HOME"

faults=0
fail() { echo "FAIL: $*"; faults=1; }

# wait_for <what> <test command...>: polls for up to 30 s.
wait_for() {
    local what=$1 tries
    shift
    for ((tries = 0; tries < 150; tries++)); do
        "$@" && return 0
        sleep 0.2
    done
    fail "no $what within 30 s"
    return 1
}

# start <name>: starts Orbelle with its protocol log in $work/<name>.log; sets $started.
start() {
    "$program" >"$work/$1.log" 2>&1 &
    started=$!
    pids+=("$started")
}

# mapped <log> <title>: a toplevel took the title and its surface got a buffer to show.
mapped() {
    grep -qF ".set_title(\"$2\")" "$1" && grep -qE 'wl_surface@[0-9]+\.attach\(wl_buffer@' "$1"
}
titles() { grep -oE 'xdg_toplevel@[0-9]+\.set_title\("[^"]*"\)' "$1" | sed 's/.*set_title(//; s/)$//' | paste -sd' '; }
min_size() { grep -oE 'xdg_toplevel@[0-9]+\.set_min_size\([0-9, ]+\)' "$1" | head -n 1 | sed 's/.*(//; s/)//'; }

# stop <name> <pid>: the copy must still run, and end by the signal, not by a crash.
stop() {
    local status=0
    if ! kill -0 "$2" 2>/dev/null; then
        fail "$1 ended before the test stopped it"
    fi
    kill -TERM "$2" 2>/dev/null || true
    wait "$2" || status=$?
    [ "$status" -eq 143 ] || fail "$1 ended with status $status, not by SIGTERM (143)"
    if grep -E 'wl_display@1\.error|Wayland connection|protocol error' "$work/$1.log"; then
        fail "$1 met a Wayland protocol error"
    fi
}

wait_for "Wayland socket" test -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" || exit 1

# The first start: no reminder, the main window with the program's title and version.
start main
main=$started
if wait_for "main window" mapped "$work/main.log" "Orbelle v$version"; then
    [ "$(titles "$work/main.log")" = "\"Orbelle v$version\"" ] \
        || fail "the first start showed the windows $(titles "$work/main.log")"
    [ -s "$settings" ] || fail "the first start stored no date in $settings"
fi

# A second copy while the first runs: only the alert, titled with the program's name.
start second
second=$started
if wait_for "second-instance alert" mapped "$work/second.log" Orbelle; then
    sleep 1
    [ "$(titles "$work/second.log")" = '"Orbelle"' ] \
        || fail "the second copy showed the windows $(titles "$work/second.log")"
fi
stop second "$second"
stop main "$main"

# The date of the last reminder long past (2000-01-01 in the ISO form, each character
# raised by 85 in Windows-1252, as the program stores it): the reminder comes before
# the main window. The copy that was just ended left its lock behind, which must not
# count; a box of the size of the second-instance alert would mean that it did.
printf '[Settings]\n%%U2122%%CA%%C7%%B6%%C9%%BE%%C4%%C3=%s\n' '‡………‚…†‚…†' >"$settings"
start reminder
reminder=$started
if wait_for "update reminder" mapped "$work/reminder.log" Orbelle; then
    sleep 1
    [ "$(titles "$work/reminder.log")" = '"Orbelle"' ] \
        || fail "the reminder start showed the windows $(titles "$work/reminder.log")"
    [ "$(min_size "$work/reminder.log")" != "$(min_size "$work/second.log")" ] \
        || fail "the reminder start showed a box of the alert's size: the old lock kept Orbelle out"
fi
stop reminder "$reminder"

if [ $faults -ne 0 ]; then
    for log in main second reminder; do
        echo "--- $log: the protocol's window requests"
        grep -E 'set_title|set_min_size|attach\(wl_buffer' "$work/$log.log" | head -n 8 || true
    done
    exit 1
fi
echo "on Wayland: the main window \"Orbelle v$version\", the second-instance alert and the update reminder were mapped; each copy ran until stopped"
