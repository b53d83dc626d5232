#!/usr/bin/env bash
# Every test: format and layer checks, native unit tests (sanitizers), the fuzzer for a bounded time,
# the Windows builds (benchmarks included) with their import check, integration and GUI tests under Wine in
# every mode, and the lint over the portable and the Win32 code.
set -uo pipefail
cd "$(dirname "$0")/.." || exit 1
jobs=$(nproc)

scripts/bootstrap.sh || exit 1

passed=0
failed=0
failures=()
record() {  # name status
    if [ "$2" -eq 0 ]; then
        passed=$((passed + 1))
    else
        failed=$((failed + 1))
        failures+=("$1")
    fi
}
# ctest counts each test; add them to the tally.
run_ctest() {  # name dir [args]
    local name=$1 dir=$2 log
    shift 2
    log=$(mktemp)
    ctest --test-dir "$dir" --output-on-failure -j "$jobs" "$@" 2>&1 | tee "$log"
    local line total bad
    line=$(grep -E 'tests passed, [0-9]+ tests failed out of [0-9]+' "$log" | tail -n1)
    if [ -z "$line" ]; then
        record "$name (ctest did not finish)" 1
    else
        total=$(sed -E 's/.*out of ([0-9]+).*/\1/' <<<"$line")
        bad=$(sed -E 's/.* ([0-9]+) tests failed.*/\1/' <<<"$line")
        passed=$((passed + total - bad))
        failed=$((failed + bad))
        [ "$bad" -eq 0 ] || failures+=("$name: $bad of $total")
    fi
    rm -f "$log"
}
stage() { printf '\n== %s\n' "$*"; }

stage "format"
scripts/format.sh --check
record format $?

stage "layers"
scripts/check-layers.sh
record layers $?

stage "native build and unit tests"
if cmake --preset native >/dev/null && cmake --build build/native -j "$jobs"; then
    run_ctest unit build/native
else
    record "native build" 1
fi

if [ -x scripts/fuzz.sh ]; then
    stage "fuzz"
    scripts/fuzz.sh "${TALVANE_FUZZ_SECONDS:-20}"
    record fuzz $?
fi

for preset in win32 win64; do
    stage "$preset build and Wine tests"
    if cmake --preset "$preset" >/dev/null && cmake --build "build/$preset" -j "$jobs"; then
        scripts/check-imports.sh "build/$preset/src"
        record "$preset imports" $?
        scripts/check-imports.sh "build/$preset/installer"
        record "$preset installer imports" $?
        run_ctest "$preset" "build/$preset"
    else
        record "$preset build" 1
    fi
done

# Needs the compile commands of the native and win32 configurations above.
stage "lint"
scripts/lint.sh
record lint $?

stage "summary"
for f in "${failures[@]}"; do
    echo "failed: $f"
done
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
