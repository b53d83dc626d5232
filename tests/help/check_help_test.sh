#!/usr/bin/env bash
# scripts/check-help.sh passes a help file that holds every topic the code opens, in any case, and fails naming
# each topic it lacks; topics quoted in comments do not count.
set -uo pipefail
check=$1
failed=0
while IFS='|' read -r code_line chm_topic want; do
    tree=$(mktemp -d)
    mkdir -p "$tree/src" "$tree/help"
    printf '%b\n' "$code_line" >"$tree/src/page.cpp"
    echo "<html><body>$chm_topic</body></html>" >"$tree/help/$chm_topic"
    printf '[OPTIONS]\nCompiled file=Help.chm\nDefault topic=%s\n\n[FILES]\n%s\n' "$chm_topic" "$chm_topic" \
        >"$tree/help/Help.hhp"
    (cd "$tree/help" && chmcmd Help.hhp >/dev/null 2>&1)
    output=$(bash "$check" "$tree/help/Help.chm" "$tree/src" 2>&1)
    status=$?
    if { [ "$want" = pass ] && [ $status -ne 0 ]; } ||
        { [ "$want" != pass ] && { [ $status -eq 0 ] || ! grep -qF "$want" <<<"$output"; }; }; then
        echo "FAIL: code '$code_line', help file with '$chm_topic': expected $want, got status $status: $output" >&2
        failed=1
    fi
    rm -rf "$tree"
done <<ROWS
const char* t = "::/RAM Optimizer.htm";|RAM Optimizer.htm|pass
const char* t = "::/process.htm";|Process.htm|pass
const char* t = "::/More Options.htm";|Options.htm|More Options.htm
const char* t = "::/Memory.htm";\n    // A topic such as "::/Name.htm" is only an example.|Memory.htm|pass
// Only an example: "::/Name.htm"|Memory.htm|no help topic found
ROWS
exit $failed
