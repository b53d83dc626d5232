#!/usr/bin/env bash
# Builds the i686 release, installs it into a Wine prefix with TalvaneSetup.exe /S and starts the installed control
# panel.
# TALVANE_RUN_MODE picks the Windows version (default winxp). Without a display it runs under a private
# Xvfb, saves build/screenshots/run.png after a few seconds and closes the program.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${TALVANE_RUN_MODE:-winxp}
preset=win32
case "$mode" in winxp64 | win10x64) preset=win64 ;; esac

scripts/bootstrap.sh
cmake --preset "$preset" >/dev/null
cmake --build "build/$preset"

# A prefix of its own: a test run ends every program of the prefixes it uses.
export TALVANE_WINE_ROOT="$PWD/build/wine-run"
scripts/wine-prefix.sh "$mode"
# shellcheck source=wine-env.sh
. scripts/wine-env.sh "$mode"

# As a user installs it, then the installed control panel: the first start after installing takes the first-run
# path (engine started, Run entry written).
export setup="$PWD/build/$preset/installer/TalvaneSetup.exe"
export install_dir="$WINEPREFIX/drive_c/Program Files/Talvane"
install_and_start() {
    if ! wine "$setup" /S '/D=C:\Program Files\Talvane'; then
        echo "run: TalvaneSetup.exe /S failed" >&2
        return 1
    fi
    cd "$install_dir" && wine Talvane.exe
}

if [ -n "${DISPLAY:-}" ] && timeout 5 xdpyinfo >/dev/null 2>&1; then
    install_and_start
else
    mkdir -p build/screenshots
    export -f install_and_start
    scripts/with-xvfb.sh bash -c '
        install_and_start &
        sleep 8
        import -window root build/screenshots/run.png && echo "run: no display; screenshot saved as build/screenshots/run.png"
        wineserver -k'
fi
