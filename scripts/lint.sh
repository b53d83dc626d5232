#!/usr/bin/env bash
# clang-tidy over the portable code, with the native build's compile commands.
set -euo pipefail
cd "$(dirname "$0")/.."
db=build/native/compile_commands.json
[ -f "$db" ] || { echo "lint: build the native preset first" >&2; exit 1; }
mapfile -t files < <(git ls-files --cached --others --exclude-standard -- 'src/*.cpp' \
    | grep -vE '(_view\.cpp$|^src/platform/win32/|^src/ui/|^src/main\.cpp$)')
printf '%s\n' "${files[@]}" | xargs -P "$(nproc)" -n 4 clang-tidy -p build/native --quiet 2>/dev/null
echo "lint: ${#files[@]} files clean"
