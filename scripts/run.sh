#!/usr/bin/env bash
# Builds the i686 release, installs it into a Wine prefix and starts the control panel.
# TALVANE_RUN_MODE picks the Windows version (default winxp). Without a display it runs under a private
# Xvfb, saves build/screenshots/run.png after a few seconds and closes the program.
set -euo pipefail
cd "$(dirname "$0")/.."
mode=${TALVANE_RUN_MODE:-winxp}
preset=win32
[ "$mode" = winxp64 ] && preset=win64

scripts/bootstrap.sh
cmake --preset "$preset" >/dev/null
cmake --build "build/$preset"

# A prefix of its own: a test run ends every program of the prefixes it uses.
export TALVANE_WINE_ROOT="$PWD/build/wine-run"
scripts/wine-prefix.sh "$mode"
# shellcheck source=wine-env.sh
. scripts/wine-env.sh "$mode"

# What the installer does: copy the programs and point the settings key at them, once.
install_dir="$WINEPREFIX/drive_c/Program Files/Talvane"
mkdir -p "$install_dir"
cp build/$preset/src/*.exe "$install_dir/"
# Launcher shortcuts start it from the Windows folder.
cp "build/$preset/src/VelkLaunch.exe" "$WINEPREFIX/drive_c/windows/"
if ! wine reg query 'HKCU\Software\Talvane' /v CurrentDir2 >/dev/null 2>&1; then
    wine reg add 'HKCU\Software\Talvane' /v CurrentDir2 /d 'C:\Program Files\Talvane' /f >/dev/null 2>&1
    wine reg add 'HKCU\Software\Talvane' /v FirstTime /d 1 /f >/dev/null 2>&1
fi

start_panel() {
    cd "$install_dir" && wine Talvane.exe
}

if [ -n "${DISPLAY:-}" ] && timeout 5 xdpyinfo >/dev/null 2>&1; then
    start_panel
else
    mkdir -p build/screenshots
    export -f start_panel
    export install_dir
    scripts/with-xvfb.sh bash -c '
        (cd "$install_dir" && wine Talvane.exe) &
        sleep 6
        import -window root build/screenshots/run.png && echo "run: no display; screenshot saved as build/screenshots/run.png"
        wineserver -k'
fi
