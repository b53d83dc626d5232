#!/usr/bin/env bash
# shellcheck source-path=SCRIPTDIR
# wine-run-test.sh MODE EXE [ARGS...]: runs a Windows test executable in the MODE prefix on a private X display
# and returns its exit code. Runs of one mode take turns (one prefix, one wineserver); different modes run in
# parallel, each on its own Xvfb so pointer moves and focus cannot collide.
# TALVANE_WINE_DISPLAY=1 runs on the current $DISPLAY instead (to watch; then run one mode at a time).
set -uo pipefail

here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
if [ $# -lt 2 ]; then
    echo "usage: wine-run-test.sh MODE EXE [ARGS...]" >&2
    exit 2
fi
mode=$1
shift

if [ "${_TALVANE_WINE_INNER:-}" != 1 ]; then
    "$here/wine-prefix.sh" "$mode" || exit 2
    # shellcheck source=wine-env.sh
    . "$here/wine-env.sh" "$mode"
    export TALVANE_SCREENSHOT_DIR=${TALVANE_SCREENSHOT_DIR:-$TALVANE_REPO/build/screenshots}
    mkdir -p "$TALVANE_SCREENSHOT_DIR"
    [ "${TALVANE_WINE_DISPLAY:-0}" = 1 ] || export TALVANE_OWN_XVFB=1
    # Held through the exec chain below; Wine never gets the descriptor, so no leftover wineserver keeps it.
    exec 8>"$TALVANE_WINE_ROOT/.$mode.run.lock"
    flock 8
    _TALVANE_WINE_INNER=1 exec "$here/with-xvfb.sh" "$0" "$mode" "$@"
fi

# Inner part: on the X display, with the run lock held.
# shellcheck source=wine-env.sh
. "$here/wine-env.sh" "$mode"
exe=$1
shift

stop_wine() {
    wineserver -k >/dev/null 2>&1 8>&-
    wineserver -w >/dev/null 2>&1 8>&-
}
# A server left from an earlier run would still talk to that run's (dead) display.
stop_wine
trap 'stop_wine; exit 143' TERM
trap 'stop_wine; exit 130' INT
# In the background so that a TERM (a test timeout) ends the prefix's processes at once.
wine "$exe" "$@" <&0 8>&- &
wait $!
rc=$?
stop_wine

if [ -x /usr/bin/convert ]; then
    for bmp in "$TALVANE_SCREENSHOT_DIR"/*_"$mode".bmp; do
        [ -e "$bmp" ] || continue
        /usr/bin/convert "$bmp" "${bmp%.bmp}.png" 8>&- && rm -f "$bmp"
    done
fi
exit $rc
