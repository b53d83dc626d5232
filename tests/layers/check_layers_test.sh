#!/usr/bin/env bash
# scripts/check-layers.sh passes includes that go down and fails, naming the file, on every other kind.
set -uo pipefail
check=$1
failed=0
while IFS='|' read -r file include want; do
    tree=$(mktemp -d)
    mkdir -p "$tree/$(dirname "$file")" "$tree/src/base"
    echo '#include "platform/types.h"' >"$tree/src/base/ok.h"
    echo "#include \"$include\"" >"$tree/$file"
    output=$(bash "$check" "$tree" 2>&1)
    status=$?
    if { [ "$want" = pass ] && [ $status -ne 0 ]; } || { [ "$want" = fail ] && ! grep -qF "$file includes" <<<"$output"; }; then
        echo "FAIL: $file including $include: expected $want, got status $status: $output" >&2
        failed=1
    fi
    rm -rf "$tree"
done <<ROWS
src/shell/a.cpp|optimizer/b.h|pass
src/ui/a.h|settings/b.h|pass
src/base/a.h|settings/b.h|fail
src/optimizer/a.cpp|startup/b.h|fail
src/platform/a.h|base/b.h|fail
engine/a.cpp|ui/form_table.h|fail
engine/a.cpp|ui/window.h|pass
engine/a.cpp|ui/tray_icon_preview.h|pass
launcher/a.cpp|ui/tray_icon_preview.h|fail
src/nowhere/a.h|base/b.h|fail
ROWS
exit $failed
