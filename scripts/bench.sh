#!/usr/bin/env bash
# Benchmarks: native tick costs (Google Benchmark), and under Wine start-up (times and server requests) against a
# minimal window, the Startup Manager's list rebuild and the process list's refill against their bare system calls,
# and the launcher against a direct start, the installer's size and silent install and uninstall times, and the
# engine's idle CPU and memory against the minimal window and its answer time while it frees.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-winxp}
preset=win32
case "$mode" in winxp64 | win10x64) preset=win64 ;; esac
runs=${TALVANE_BENCH_RUNS:-9}

scripts/bootstrap.sh
# Native figures from an optimised build without sanitizers.
cmake -S . -B build/bench -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build build/bench --target tick_bench >/dev/null
build/bench/bench/native/tick_bench

cmake --preset "$preset" >/dev/null
cmake --build "build/$preset" --target Talvane floor_window floor_styles_window startup_bench tick_bench startup_list_bench \
    VelkLaunch launch_recorder launcher_bench process_list_bench setup_bench talvane_installer VELK_XP \
    engine_bench >/dev/null
scripts/wine-prefix.sh "$mode"
# shellcheck source=wine-env.sh
. scripts/wine-env.sh "$mode"
floor=$(find "build/$preset" -name floor_window.exe | head -n1)
styles=$(find "build/$preset" -name floor_styles_window.exe | head -n1)
# Cold: a fresh Wine session and, where this user may, no file in the page cache; each program's first run is then
# its first start in the session.
wineserver -k || true
sync
{ echo 3 >/proc/sys/vm/drop_caches; } 2>/dev/null || echo "bench: the page cache stays (not root)" >&2
scripts/with-xvfb.sh wine "build/$preset/bench/wine/startup_bench.exe" "$runs" "$floor" "$styles" \
    "build/$preset/src/Talvane.exe"
scripts/with-xvfb.sh bench/wine/server_requests.sh "build/$preset/bench/wine/startup_bench.exe" "$floor" "$floor" \
    "$styles" "build/$preset/src/Talvane.exe"
scripts/with-xvfb.sh wine "build/$preset/bench/wine/tick_bench.exe" 500
scripts/with-xvfb.sh wine "build/$preset/bench/wine/startup_list_bench.exe" 500 5
scripts/with-xvfb.sh wine "build/$preset/bench/wine/launcher_bench.exe" "$runs" "build/$preset/src/VelkLaunch.exe" \
    "build/$preset/tests/wine/launch_recorder.exe" "$floor"
scripts/with-xvfb.sh wine "build/$preset/bench/wine/process_list_bench.exe" 40 "$runs"
scripts/with-xvfb.sh wine "build/$preset/bench/wine/setup_bench.exe" "$runs" "build/$preset/installer/TalvaneSetup.exe"
scripts/with-xvfb.sh wine "build/$preset/bench/wine/engine_bench.exe" "build/$preset/src/VELK_XP.exe" "$floor" \
    "${TALVANE_BENCH_IDLE_SECONDS:-60}" "build/$preset/src/Talvane.exe"
wineserver -k || true
