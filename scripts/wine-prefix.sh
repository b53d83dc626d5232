#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# wine-prefix.sh MODE: makes build/wine/MODE ready (Windows version MODE, fonts, virtual desktop) and reuses it.
# Each mode is a copy of one base prefix per architecture, because wineboot is the slow part.
set -euo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
# shellcheck source=wine-env.sh
. "$here/wine-env.sh" "${1:-}"

# Bump when the recipe below changes: stale prefixes are then rebuilt.
recipe=4
stamp_name=.talvane-prefix
base_want="recipe $recipe; $(wine --version)"
mode_want="$base_want; $TALVANE_MODE"

stamp_is() { [ -f "$1/$stamp_name" ] && [ "$(cat "$1/$stamp_name")" = "$2" ]; }

# Lock descriptors must not leak into wineserver, which can outlive this script.
wine_quiet() { "$@" 8>&- 9>&- >/dev/null 2>&1; }

make_base() {
    local base=$TALVANE_WINE_ROOT/base-$WINEARCH
    stamp_is "$base" "$base_want" && return 0
    exec 9>"$TALVANE_WINE_ROOT/.base-$WINEARCH.lock"
    flock 9
    if ! stamp_is "$base" "$base_want"; then
        echo "wine-prefix.sh: creating base $WINEARCH prefix (once, ~20 s)" >&2
        rm -rf "$base"
        if ! compgen -G "/usr/share/wine/fonts/*" >/dev/null; then
            echo "wine-prefix.sh: /usr/share/wine/fonts is empty (Debian package fonts-wine)" >&2
            exit 1
        fi
        WINEPREFIX=$base wine_quiet wineboot -i
        # wineboot links Desktop, Documents and the like to the $HOME it ran with; every mode is a copy of this base
        # and the modes run at once, so the folders become the prefix's own, or one mode's files reach another's.
        find "$base/drive_c/users" -mindepth 2 -maxdepth 2 -type l -print0 |
            while IFS= read -r -d '' link; do rm "$link" && mkdir "$link"; done
        cp /usr/share/wine/fonts/* "$base/drive_c/windows/Fonts/"
        # A virtual desktop gives every window a Wine-drawn frame, also under a bare Xvfb without window manager.
        WINEPREFIX=$base wine_quiet wine reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f
        WINEPREFIX=$base wine_quiet wine reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1024x768 /f
        # A crash must end the process with a backtrace on stderr, not wait for a click on a dialog.
        WINEPREFIX=$base wine_quiet wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f
        WINEPREFIX=$base wine_quiet wineserver -w
        echo "$base_want" >"$base/$stamp_name"
    fi
    exec 9>&-
}

prefix=$WINEPREFIX
if stamp_is "$prefix" "$mode_want"; then
    exit 0
fi

mkdir -p "$TALVANE_WINE_ROOT"
exec 8>"$TALVANE_WINE_ROOT/.$TALVANE_MODE.lock"
flock 8
if ! stamp_is "$prefix" "$mode_want"; then
    make_base
    rm -rf "$prefix"
    cp -a "$TALVANE_WINE_ROOT/base-$WINEARCH" "$prefix"
    rm -f "$prefix/$stamp_name"
    version=$(talvane_wine_version "$TALVANE_MODE")
    wine_quiet wine reg add 'HKCU\Software\Wine' /v Version /d "$version" /f
    wine_quiet wineserver -w
    if ! grep -q "^\"Version\"=\"$version\"" "$prefix/user.reg"; then
        echo "wine-prefix.sh: setting Version=$version in $prefix failed" >&2
        exit 1
    fi
    echo "$mode_want" >"$prefix/$stamp_name"
fi
