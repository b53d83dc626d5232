#!/usr/bin/env bash
# Builds the libFuzzer targets with clang in build/fuzz and runs each for a bounded time.
# Usage: scripts/fuzz.sh [seconds per target, default 20]
set -euo pipefail
cd "$(dirname "$0")/.."

seconds="${1:-20}"
build=build/fuzz

cmake -S . -B "$build" -G Ninja \
    -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
    -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTALVANE_SANITIZE=OFF -DTALVANE_FUZZ=ON >/dev/null
cmake --build "$build" --target perf_data_fuzz launcher_line_fuzz

# libFuzzer adds what it finds to the first corpus directory: keep that in the build tree, the
# checked-in seeds stay as they are.
run() {  # target seeds max_len
    local work="$build/corpus/$1" artifacts="$build/artifacts/$1/"
    mkdir -p "$work" "$artifacts"
    "$build/tests/fuzz/$1" \
        -max_total_time="$seconds" -max_len="$3" -timeout=10 -rss_limit_mb=2048 \
        -artifact_prefix="$artifacts" -print_final_stats=1 \
        "$work" "$2"
}
run perf_data_fuzz tests/fuzz/corpus 16384
run launcher_line_fuzz tests/fuzz/launcher_line_corpus 4096
