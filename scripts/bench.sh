#!/usr/bin/env bash
# Benchmarks: native tick costs (Google Benchmark) and start-up against a minimal window under Wine.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${1:-winxp}
preset=win32
[ "$mode" = winxp64 ] && preset=win64
runs=${TALVANE_BENCH_RUNS:-9}

scripts/bootstrap.sh
if [ -d bench/native ] && grep -q add_executable bench/native/CMakeLists.txt; then
    cmake --preset native >/dev/null && cmake --build build/native --target all >/dev/null
    for b in build/native/bench/native/*_bench; do
        [ -x "$b" ] && "$b"
    done
fi

cmake --preset "$preset" >/dev/null
cmake --build "build/$preset" --target Talvane floor_window startup_bench >/dev/null
scripts/wine-prefix.sh "$mode"
# shellcheck source=wine-env.sh
. scripts/wine-env.sh "$mode"
floor=$(find "build/$preset" -name floor_window.exe | head -n1)
scripts/with-xvfb.sh wine "build/$preset/bench/wine/startup_bench.exe" "$runs" "$floor" "build/$preset/src/Talvane.exe"
wineserver -k || true
