#!/usr/bin/env bash
# SPDX-FileCopyrightText: 2026 Orbelle developers
# SPDX-License-Identifier: GPL-3.0-or-later

# Start-up time and peak memory of the program against a bare Qt window, on the
# offscreen platform and on an X server (Xvfb). A third program, the bare window with
# only the program's menu titles, shows what drawing any text at all costs.
#   bench/startup.sh [BIN_DIR]        (default: build/release/bin)
# Environment: RUNS (default 30, at least 20; rounded down to a multiple of five),
# WARMUP (warm-up runs per round, default 1), BENCH_OUT (where the JSON and raw
# figures go; default BIN_DIR/../bench-results), BENCH_ENFORCE=1 to exit with 1 when
# a ratio misses its target.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
runs="${RUNS:-30}"
warmup="${WARMUP:-1}"

# Internal: `startup.sh --measure PLATFORM BIN_DIR OUT_DIR` runs on the display that
# the caller set up and writes hyperfine's JSON and the max-RSS figures.
if [ "${1:-}" = "--measure" ]; then
    platform="$2" bin="$3" out="$4"
    start="$bin/orbelle_startbench"
    bare="$bin/orbelle_barewindow"

    # One user home for all runs of a platform: the first (warm-up) start stores the
    # reminder date and every later start reads it, as on a user's desktop. Each run's
    # lock is released when it ends, so no run finds another copy "already running".
    home="$(mktemp -d)"
    trap 'rm -rf "$home"' EXIT
    mkdir -p "$home/config" "$home/runtime" "$home/cache"
    chmod 700 "$home/runtime"
    export HOME="$home" XDG_CONFIG_HOME="$home/config" XDG_RUNTIME_DIR="$home/runtime" XDG_CACHE_HOME="$home/cache"
    export QT_QPA_PLATFORM="$platform"

    # The bare window gets the main window's own size on this platform (the menu bar's
    # height depends on it).
    size="$("$start" --print-size)"
    echo "$platform: main window ${size}"
    # hyperfine runs one program's batch after another's, so a machine that speeds up or
    # slows down on the way favours one of them. Short rounds of five runs each, the
    # programs taking turns, spread any drift over all three; the table pools the rounds.
    rm -f "$out/startup-$platform"-round*.json
    for ((round = 1; round * 5 <= runs; round++)); do
        hyperfine --shell=none --warmup "$warmup" --runs 5 --style none \
            --export-json "$out/startup-$platform-round$round.json" \
            --command-name orbelle_startbench "$start" \
            --command-name orbelle_barewindow "$bare $size" \
            --command-name menu_bar_only "$bare --menu-bar $size"
    done

    # Instructions to the first paint and the end, counted once each: unlike times,
    # they do not move with the machine's load.
    if [ "$platform" = offscreen ]; then
        for run in "orbelle_startbench:$start" "orbelle_barewindow:$bare $size" "menu_bar_only:$bare --menu-bar $size"; do
            # shellcheck disable=SC2086 # the command line splits into its words
            valgrind --tool=callgrind --callgrind-out-file=/dev/null ${run#*:} 2>&1 |
                sed -n 's/.*Collected : \([0-9]*\).*/\1/p' >"$out/instructions-${run%%:*}.txt"
        done
    fi

    # Peak memory, the programs taking turns so that drift hits them all alike.
    : >"$out/maxrss-$platform-orbelle_startbench.txt"
    : >"$out/maxrss-$platform-orbelle_barewindow.txt"
    : >"$out/maxrss-$platform-menu_bar_only.txt"
    for ((i = 0; i < runs; i++)); do
        /usr/bin/time -f %M -a -o "$out/maxrss-$platform-orbelle_startbench.txt" "$start"
        /usr/bin/time -f %M -a -o "$out/maxrss-$platform-orbelle_barewindow.txt" "$bare" "$size"
        /usr/bin/time -f %M -a -o "$out/maxrss-$platform-menu_bar_only.txt" "$bare" --menu-bar "$size"
    done
    exit 0
fi

bin="$(cd "${1:-build/release/bin}" && pwd)"
out="${BENCH_OUT:-$bin/../bench-results}"
mkdir -p "$out"
out="$(cd "$out" && pwd)"
if [ "$runs" -lt 20 ]; then
    echo "RUNS must be at least 20" >&2
    exit 2
fi
for tool in hyperfine /usr/bin/time valgrind xvfb-run python3; do
    command -v "$tool" >/dev/null || { echo "missing $tool: scripts/install-deps.sh bench" >&2; exit 2; }
done
for program in orbelle_startbench orbelle_barewindow; do
    [ -x "$bin/$program" ] || { echo "missing $bin/$program: build the release preset first" >&2; exit 2; }
done

"$here/startup.sh" --measure offscreen "$bin" "$out"
# One X server for every run, so that its own start is not timed; 96 dpi as the
# program's layout assumes.
xvfb-run -a -s "-screen 0 1280x1024x24 -dpi 96" "$here/startup.sh" --measure xcb "$bin" "$out"

python3 - "$out" "${BENCH_ENFORCE:-0}" <<'PY'
import glob
import json
import statistics
import sys

out, enforce = sys.argv[1], sys.argv[2] == "1"
TIME_TARGET, MEMORY_TARGET = 1.15, 1.20
programs = ("orbelle_startbench", "orbelle_barewindow", "menu_bar_only")
missed = []
print()
print(f"{'platform':<10} {'program':<20} {'start-up median':>16} {'peak RSS median':>16}")
for platform in ("offscreen", "xcb"):
    times = {program: [] for program in programs}
    for path in glob.glob(f"{out}/startup-{platform}-round*.json"):
        with open(path) as f:
            for result in json.load(f)["results"]:
                times[result["command"]] += result["times"]
    time_ms, rss_kib = {}, {}
    for program in programs:
        time_ms[program] = 1000 * statistics.median(times[program])
        with open(f"{out}/maxrss-{platform}-{program}.txt") as f:
            rss_kib[program] = statistics.median(int(line) for line in f if line.strip().isdigit())
        print(f"{platform:<10} {program:<20} {time_ms[program]:>13.1f} ms {rss_kib[program] / 1024:>12.1f} MiB")

    def ratios(program):
        bare = "orbelle_barewindow"
        return time_ms[program] / time_ms[bare], rss_kib[program] / rss_kib[bare]

    time_ratio, rss_ratio = ratios("orbelle_startbench")
    time_ok, rss_ok = time_ratio <= TIME_TARGET, rss_ratio <= MEMORY_TARGET
    print(f"{platform:<10} {'ratio':<20} {time_ratio:>15.3f}x {rss_ratio:>15.3f}x")
    print(f"{'':<10} {'target':<20} {'<= ' + str(TIME_TARGET) + 'x ' + ('met' if time_ok else 'MISSED'):>16}"
          f" {'<= ' + format(MEMORY_TARGET, '.2f') + 'x ' + ('met' if rss_ok else 'MISSED'):>16}")
    menu_time, menu_rss = ratios("menu_bar_only")
    print(f"{'':<10} {'menu bar only ratio':<20} {menu_time:>15.3f}x {menu_rss:>15.3f}x")
    if platform == "offscreen":
        counts = {}
        for program in programs:
            with open(f"{out}/instructions-{program}.txt") as f:
                counts[program] = int(f.read().strip() or 0)
        if all(counts.values()):
            bare_count = counts["orbelle_barewindow"]
            print(f"{'':<10} {'instructions':<20} {counts['orbelle_startbench'] / bare_count:>15.3f}x"
                  f" (menu bar only {counts['menu_bar_only'] / bare_count:.3f}x; callgrind, one run each)")
    missed += [f"{platform} start-up"] * (not time_ok) + [f"{platform} peak memory"] * (not rss_ok)
print()
print("all targets met" if not missed else "missed: " + ", ".join(missed))
print(f"raw figures: {out}")
sys.exit(1 if missed and enforce else 0)
PY
