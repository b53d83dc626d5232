#!/usr/bin/env bash
# build-help.sh HELP_DIR WORK_DIR OUTPUT SOURCE_DIR: compiles the help project into OUTPUT and checks that it holds
# every topic the program opens; on failure no OUTPUT is left, so the build stops here and again next time.
set -euo pipefail
help_dir=$1
work=$2
output=$3
sources=$4
rm -rf "$work" "$output"
mkdir -p "$work"
cp "$help_dir"/*.hhp "$help_dir"/*.hhc "$help_dir"/*.hhk "$help_dir"/*.htm "$help_dir"/*.css "$work"/
log=$(cd "$work" && chmcmd --verbosity 1 Help.hhp 2>&1) || {
    printf '%s\n' "$log" >&2
    exit 1
}
# chmcmd reports missing files and links but still succeeds.
if grep -qiE 'error|not found|missing' <<<"$log"; then
    printf '%s\n' "$log" >&2
    exit 1
fi
"$(dirname "$0")/check-help.sh" "$work/Help.chm" "$sources"
mv "$work/Help.chm" "$output"
