#!/usr/bin/env bash
# scripts/check-imports.sh passes a clean program and fails, saying why, on everything else.
set -uo pipefail
check=$1
built=$2
pointer=${3:?pointer size}
# Only Windows 98 and Me stub the wide kernel32 functions, and only the i686 build runs there.
if [ "$pointer" -eq 4 ]; then
    runtime='fail|imports_runtime.exe imports kernel32.dll CreateSemaphoreW, a 9x stub'
else
    runtime='pass|1 programs import'
fi
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
mkdir "$scratch/empty" "$scratch/junk" "$scratch/truncated"
echo 'not a program' >"$scratch/junk/junk.exe"
# Headers intact, sections cut off: the format is known, objdump cannot read it.
head -c 1024 "$built/clean/imports_clean.exe" >"$scratch/truncated/truncated.exe"

failed=0
while IFS='|' read -r folder want message; do
    output=$(bash "$check" "$folder" 2>&1)
    status=$?
    if { [ "$want" = pass ] && [ $status -ne 0 ]; } || { [ "$want" = fail ] && [ $status -eq 0 ]; } \
        || ! grep -qiF "$message" <<<"$output"; then
        echo "FAIL: $folder: expected $want with \"$message\", got status $status:" >&2
        echo "$output" >&2
        failed=1
    fi
done <<ROWS
$built/clean|pass|1 programs import system DLLs and known functions only
$built/winmm|fail|imports_winmm.exe imports winmm.dll
$built/unknown|fail|imports_unknown.exe imports kernel32.dll GetNativeSystemInfo, which the import table does not know
$built/runtime|$runtime
$scratch/empty|fail|no programs
$scratch/junk|fail|junk.exe is no i386 or x86-64 PE program
$scratch/truncated|fail|objdump failed on truncated.exe
ROWS
exit $failed
