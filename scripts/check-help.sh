#!/usr/bin/env bash
# check-help.sh CHM SOURCE_DIR: fails when a help topic the program can open ("::/Name.htm" in its sources) is
# not in the compiled help file. HTML Help finds topics regardless of case, so the comparison ignores it.
set -euo pipefail
if [ $# -ne 2 ]; then
    echo "usage: check-help.sh CHM SOURCE_DIR" >&2
    exit 2
fi
chm=$1
sources=$2
listing=$(chmls --no-page --name-only list "$chm" 2>/dev/null) || {
    echo "check-help.sh: chmls cannot read $chm" >&2
    exit 1
}
# Comments may quote an example topic; only code counts.
topics=$(grep -rhE '"::/[^"]+"' --include='*.cpp' --include='*.h' "$sources" | grep -vE '^[[:space:]]*//' |
    grep -oE '"::/[^"]+"' | sed -E 's|^"::/(.*)"$|\1|' | sort -u || true)
if [ -z "$topics" ]; then
    echo "check-help.sh: no help topic found in $sources" >&2
    exit 1
fi
missing=0
while IFS= read -r topic; do
    if ! grep -qixF "/$topic" <<<"$listing"; then
        echo "check-help.sh: $chm lacks the topic \"$topic\"" >&2
        missing=1
    fi
done <<<"$topics"
exit $missing
