#!/usr/bin/env bash
# clang-tidy over our sources: the portable code with the native build's compile commands, the Win32 code
# (views, ui, platform/win32, shell/main.cpp, the engine, the launcher) with the win32 build's, compiled as i686 MinGW.
# Prints every diagnostic once; fails when there is any, or when clang-tidy cannot process a file.
set -euo pipefail
cd "$(dirname "$0")/.."
for preset in native win32; do
    [ -f "build/$preset/compile_commands.json" ] || {
        echo "lint: configure the $preset preset first (cmake --preset $preset)" >&2
        exit 1
    }
done

win32_only='(_view\.cpp$|^src/platform/win32/|^src/ui/|^src/shell/main\.cpp$|^engine/|^launcher/)'
mapfile -t sources < <(git ls-files --cached --others --exclude-standard -- 'src/*.cpp' 'engine/*.cpp' 'launcher/*.cpp')
mapfile -t portable < <(printf '%s\n' "${sources[@]}" | grep -vE "$win32_only")
mapfile -t win32 < <(printf '%s\n' "${sources[@]}" | grep -E "$win32_only")

logs=$(mktemp -d)
trap 'rm -rf "$logs"' EXIT
# One log per file, so that parallel runs do not interleave; a file's log ends with its status.
tidy() {  # log-dir build-dir extra-args(one a line) file
    local log=$1/${4//\//_}.log status=0 extra=()
    [ -z "$3" ] || mapfile -t extra < <(printf '%s\n' "$3" | sed 's/^/--extra-arg=/')
    clang-tidy -p "$2" --quiet "${extra[@]}" "$4" >"$log" 2>&1 || status=$?
    echo "lint-status $status" >>"$log"
}
export -f tidy
jobs=$(nproc)
printf '%s\n' "${portable[@]}" | xargs -P "$jobs" -I{} bash -c 'tidy "$@"' _ "$logs" build/native "" {}

# clang finds the MinGW C headers by itself but not the C++ library of Debian's MinGW g++: take the
# C++ include folders the build's compiler searches.
compiler=$(grep -m1 -oE '"command": "[^ ]*\+\+[^ ]*' build/win32/compile_commands.json | sed 's/^"command": "//')
[ -n "$compiler" ] || { echo "lint: no C++ compiler in build/win32/compile_commands.json" >&2; exit 1; }
mingw_args=--target=i686-w64-mingw32
while read -r dir; do
    mingw_args+=$'\n'"-isystem$dir"
done < <(echo | "$compiler" -x c++ -E -v - 2>&1 | sed -n '/search starts here/,/End of search/s|^ \(/.*/c++.*\)|\1|p')
printf '%s\n' "${win32[@]}" | xargs -P "$jobs" -I{} bash -c 'tidy "$@"' _ "$logs" build/win32 "$mingw_args" {}

# A header's diagnostic comes once per file that includes it: show it once. Drop clang-tidy's counts.
failed=$(cat "$logs"/*.log | grep -c '^lint-status [^0]' || true)
cat "$logs"/*.log | awk '
    BEGIN { keep = 1 }
    /^lint-status / { keep = 1; next }
    /^[0-9]+ warnings?( and [0-9]+ errors?)? generated\.$/ { next }
    /^Error while processing/ { print; next }
    /^[^ ].*:[0-9]+:[0-9]+: (warning|error): / { keep = !seen[$0]++; if (keep) diagnostics++ }
    keep { print }
    END { if (diagnostics) printf "lint: %d diagnostics\n", diagnostics }'
total=$((${#portable[@]} + ${#win32[@]}))
if [ "$failed" -gt 0 ]; then
    echo "lint: $failed of $total files have diagnostics" >&2
    exit 1
fi
echo "lint: $total files clean (${#portable[@]} portable, ${#win32[@]} Win32)"
