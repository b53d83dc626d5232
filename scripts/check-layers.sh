#!/usr/bin/env bash
# Every #include goes down the layers, never up, and no feature includes another:
#   platform < base < settings < ui < features (optimizer, startup, shortcut, sysinfo, tweaks) < shell.
# The engine and the launcher take base, settings, platform and the window base of ui only; the engine also
# takes the drawing of its tray icon.
# Prints each upward arrow and their count; fails when there is any. ROOT (default: this repository) is the tree
# to check.
set -euo pipefail
cd "${1:-$(dirname "$0")/..}"

rank() {  # folder of a file under src/ (or engine/, launcher/) -> rank
    case "$1" in
        platform) echo 0 ;;
        base) echo 1 ;;
        settings) echo 2 ;;
        ui) echo 3 ;;
        optimizer | startup | shortcut | sysinfo | tweaks) echo 4 ;;
        shell) echo 5 ;;
        *) echo -1 ;;
    esac
}

upward=0
checked=0
while IFS= read -r file; do
    checked=$((checked + 1))
    top=${file%%/*}
    if [ "$top" = src ]; then
        rest=${file#src/}
        from=${rest%%/*}
    else
        from=$top  # engine, launcher
    fi
    while IFS= read -r target; do
        to=${target%%/*}
        [ "$target" != "$to" ] || continue  # res/ headers (control_ids.h, resource.h) are below everything
        bad=""
        case "$from" in
            engine | launcher)
                case "$target" in
                    platform/* | base/* | settings/* | ui/window.h | "$from"/*) ;;
                    ui/tray_icon_preview.h) [ "$from" = engine ] || bad="only the engine draws the tray icon" ;;
                    *) bad="the $from takes base, settings, platform and ui/window.h only" ;;
                esac
                ;;
            *)
                from_rank=$(rank "$from")
                to_rank=$(rank "$to")
                if [ "$to_rank" -lt 0 ]; then
                    bad="unknown layer $to"
                elif [ "$to_rank" -gt "$from_rank" ]; then
                    bad="upward"
                elif [ "$to_rank" -eq 4 ] && [ "$from_rank" -eq 4 ] && [ "$to" != "$from" ]; then
                    bad="one feature includes another"
                fi
                ;;
        esac
        if [ -n "$bad" ]; then
            echo "check-layers: $file includes $target ($bad)" >&2
            upward=$((upward + 1))
        fi
    done < <(sed -n 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*"\([^"]*\)".*/\1/p' "$file")
done < <(find src engine launcher \( -name '*.h' -o -name '*.cpp' \) -type f 2>/dev/null | sort)

[ "$checked" -gt 0 ] || { echo "check-layers: no sources found" >&2; exit 1; }
echo "check-layers: $checked files, $upward upward includes"
[ "$upward" -eq 0 ]
