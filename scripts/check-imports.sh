#!/usr/bin/env bash
# Every program must import only DLLs that Windows 98 and later ship.
set -euo pipefail
dir=$1
allowed='^(kernel32|user32|gdi32|advapi32|shell32|ole32|comctl32|comdlg32|version|msvcrt)\.dll$'
status=0
for exe in "$dir"/*.exe; do
    objdump=i686-w64-mingw32-objdump
    command -v "$objdump" >/dev/null || objdump=x86_64-w64-mingw32-objdump
    while read -r dll; do
        if ! grep -qiE "$allowed" <<<"$dll"; then
            echo "check-imports: $(basename "$exe") imports $dll" >&2
            status=1
        fi
    done < <("$objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p')
done
[ $status -eq 0 ] && echo "check-imports: $(ls "$dir"/*.exe | wc -l) programs import system DLLs only"
exit $status
