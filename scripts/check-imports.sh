#!/usr/bin/env bash
# Every program must import only DLLs that Windows 98 and later ship. Each .exe in the folder is read with
# the objdump of its own format; a folder without programs, an unknown format or a failing objdump is a failure,
# never a pass.
set -euo pipefail
dir=${1:?usage: check-imports.sh FOLDER}
allowed='^(kernel32|user32|gdi32|advapi32|shell32|ole32|comctl32|comdlg32|version|msvcrt)\.dll$'

# The PE machine field: the header's offset is at 0x3c, the machine two bytes after its "PE\0\0".
machine() {  # file -> i386 | x86-64, or nothing when it is no PE image
    local bytes offset
    [ "$(head -c 2 "$1")" = MZ ] || return 0
    read -r -a bytes < <(od -An -v -tu1 -j 60 -N 4 "$1") || true
    [ ${#bytes[@]} -eq 4 ] || return 0
    offset=$((bytes[0] | bytes[1] << 8 | bytes[2] << 16 | bytes[3] << 24))
    read -r -a bytes < <(od -An -v -tx1 -j "$offset" -N 6 "$1") || true
    [ ${#bytes[@]} -eq 6 ] && [ "${bytes[*]:0:4}" = "50 45 00 00" ] || return 0
    case "${bytes[5]}${bytes[4]}" in
        014c) echo i386 ;;
        8664) echo x86-64 ;;
    esac
}

status=0
count=0
shopt -s nullglob
for exe in "$dir"/*.exe; do
    count=$((count + 1))
    name=$(basename "$exe")
    case "$(machine "$exe")" in
        i386) objdump=i686-w64-mingw32-objdump ;;
        x86-64) objdump=x86_64-w64-mingw32-objdump ;;
        *)
            echo "check-imports: $name is no i386 or x86-64 PE program" >&2
            status=1
            continue
            ;;
    esac
    if ! headers=$("$objdump" -p "$exe"); then
        echo "check-imports: $objdump failed on $name" >&2
        status=1
        continue
    fi
    dlls=$(sed -n 's/^\s*DLL Name: //p' <<<"$headers")
    if [ -z "$dlls" ]; then
        # Every program imports kernel32 at least; none found means the table was not read.
        echo "check-imports: no imports found in $name" >&2
        status=1
        continue
    fi
    while read -r dll; do
        if ! grep -qiE "$allowed" <<<"$dll"; then
            echo "check-imports: $name imports $dll" >&2
            status=1
        fi
    done <<<"$dlls"
done

if [ $count -eq 0 ]; then
    echo "check-imports: no programs in $dir" >&2
    exit 1
fi
[ $status -eq 0 ] && echo "check-imports: $count programs import system DLLs only"
exit $status
