#!/usr/bin/env bash
# Every program must import only DLLs that Windows 98 and later ship, and only functions that
# scripts/import-table.tsv knows: a new import is judged there before it ships. An i686 program fails on a function
# that Windows 98, Me, NT 4.0 or 2000 lacks (the loader would refuse to start it) and on one the table marks
# "runtime" (a 9x stub the MinGW runtime relies on). The run-time look-ups in the sources must be in the table too.
# Each .exe in the folder is read with the objdump of its own format; a folder without programs, an unknown format
# or a failing objdump is a failure, never a pass.
set -euo pipefail
dir=${1:?usage: check-imports.sh FOLDER [TABLE]}
here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
table=${2:-$here/import-table.tsv}
allowed='^(kernel32|user32|gdi32|advapi32|shell32|ole32|comctl32|comdlg32|version|msvcrt)\.dll$'

if [ ! -r "$table" ]; then
    echo "check-imports: no import table $table" >&2
    exit 1
fi

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

# objdump's import listing as "dll<TAB>function" lines, the DLL in lower case.
imports() {  # objdump -p output on stdin
    awk '/^[[:space:]]*DLL Name:/ { dll = tolower($3); next }
         dll != "" && /^[[:space:]]*[0-9a-f]+[[:space:]]+[0-9]+[[:space:]]+[^[:space:]]+$/ { print dll "\t" $3 }
         /^$/ { dll = "" }'
}

# The verdict of the table on each import line: nothing when it may be imported, else the reason.
judge() {  # arch table < imports
    awk -F'\t' -v arch="$1" '
        FNR == NR {
            if ($0 !~ /^#/ && NF >= 8) { kind[$1 " " $2] = $3; status[$1 " " $2] = $4 " " $5 " " $6 " " $7 " " $8 }
            next
        }
        {
            key = $1 " " $2
            if (!(key in kind)) { print key ", which the import table does not know"; next }
            if (arch != "i386") next
            if (kind[key] == "runtime") { print key ", a 9x stub that only the runtime should call (talvane_ansi_runtime)"; next }
            split(status[key], s, " ")
            split("98 98SE Me NT4 2000", names, " ")
            lacking = ""
            for (i = 1; i <= 5; i++) if (s[i] == "no") lacking = lacking (lacking == "" ? "" : ", ") names[i]
            if (lacking != "") print key ", which Windows " lacking " lacks: it would not start there"
        }' "$2" -
}

status=0
count=0
shopt -s nullglob
for exe in "$dir"/*.exe; do
    count=$((count + 1))
    name=$(basename "$exe")
    arch=$(machine "$exe")
    case "$arch" in
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
    while read -r verdict; do
        [ -n "$verdict" ] || continue
        echo "check-imports: $name imports $verdict" >&2
        status=1
    done < <(imports <<<"$headers" | judge "$arch" "$table")
done

if [ $count -eq 0 ]; then
    echo "check-imports: no programs in $dir" >&2
    exit 1
fi

# Functions the sources look up by name: LookUp<Fn>(module, "Name"), Find<Fn>("Name") and the k...Export constants.
sources=$(cd "$here/.." && pwd)
for name in $(grep -rhoE 'LookUp<[A-Za-z0-9_]+>\([^,]+, *"[^"]+"\)|Find<[A-Za-z0-9_]+>\("[^"]+"\)|k[A-Za-z]*Export = "[^"]+"' \
    "$sources/src" "$sources/engine" "$sources/launcher" 2>/dev/null | sed -E 's/.*"([^"]+)".*/\1/' | sort -u); do
    if ! awk -F'\t' -v f="$name" '$0 !~ /^#/ && $2 == f { found = 1 } END { exit !found }' "$table"; then
        echo "check-imports: the sources look up $name, which the import table does not know" >&2
        status=1
    fi
done

[ $status -eq 0 ] && echo "check-imports: $count programs import system DLLs and known functions only"
exit $status
