#!/usr/bin/env bash
# Runs a Windows build's tests under Wine with a private prefix.
set -euo pipefail

build=$1
export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
export PATH="/usr/lib/wine:$PATH"
wine=$(command -v wine64 || command -v wine)
export TIDEMARK_WINE="$wine"

if [ ! -f "$WINEPREFIX/system.reg" ]; then
    "$wine" wineboot -i >/dev/null 2>&1 || true
    wineserver -w
fi
wineserver -p
trap 'wineserver -k || true' EXIT
(cd "$build" && ctest --output-on-failure)
