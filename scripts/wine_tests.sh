#!/usr/bin/env bash
# Runs a Windows build's tests under Wine with a private prefix. The exit
# code is ctest's: a failing Windows test fails the run.
set -euo pipefail

build=$(cd "${1:?usage: wine_tests.sh BUILD_FOLDER}" && pwd)
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
# Debian keeps wine64 and wineserver in /usr/lib/wine, off the PATH.
export PATH="/usr/lib/wine:$PATH"
wine=$(command -v wine64 || command -v wine)

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$wine" wineboot -i >/dev/null 2>&1 || true
    wineserver -w
fi
# One server for all the test processes, so each starts in a fraction of a second.
wineserver -p
trap 'wineserver -k 2>/dev/null || true' EXIT
# Wine's system processes (services.exe and the like) outlive the program
# that starts them and keep its output open; started here, away from ctest's
# pipes, they no longer make ctest wait for them.
"$wine" wineboot </dev/null >/dev/null 2>&1
cd "$build"
ctest --output-on-failure --timeout 300
