# shellcheck shell=bash
# Sourced: `. scripts/wine-env.sh MODE` exports the Wine environment of one test prefix.
# Wine writes menu entries and settings under $HOME, so HOME points into build/, one per mode, as the modes run at
# once.

talvane_wine_arch() {
    case "$1" in
        win95 | win98 | winme | nt40 | win2k | winxp | win7 | win10) echo win32 ;;
        winxp64 | win10x64) echo win64 ;;
        *) return 1 ;;
    esac
}
# The Windows version Wine reports in a mode's prefix.
talvane_wine_version() {
    case "$1" in
        win10x64) echo win10 ;;
        *) echo "$1" ;;
    esac
}

if [ $# -lt 1 ] || ! talvane_wine_arch "$1" >/dev/null; then
    echo "wine-env.sh: MODE must be one of win95 win98 winme nt40 win2k winxp win7 win10 winxp64 win10x64 (got '${1:-}')" >&2
    # shellcheck disable=SC2317  # exit only when run instead of sourced
    return 2 2>/dev/null || exit 2
fi

TALVANE_REPO=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
TALVANE_WINE_ROOT=${TALVANE_WINE_ROOT:-$TALVANE_REPO/build/wine}
TALVANE_MODE=$1
export TALVANE_REPO TALVANE_WINE_ROOT TALVANE_MODE

# The X cookie stays where it is, or a real $DISPLAY would refuse the connection.
if [ -z "${XAUTHORITY:-}" ] && [ -f "${HOME:-/nonexistent}/.Xauthority" ]; then
    export XAUTHORITY=$HOME/.Xauthority
fi
export HOME=$TALVANE_WINE_ROOT/home/$TALVANE_MODE
export XDG_CONFIG_HOME=$HOME/.config XDG_DATA_HOME=$HOME/.local/share XDG_CACHE_HOME=$HOME/.cache
export WINEPREFIX=$TALVANE_WINE_ROOT/$TALVANE_MODE
WINEARCH=$(talvane_wine_arch "$TALVANE_MODE")
export WINEARCH
export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
export WINEDEBUG=${TALVANE_WINEDEBUG:--all}
mkdir -p "$HOME"
