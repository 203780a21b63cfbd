#!/usr/bin/env bash
# Runs a Windows build's tests under Wine with a private prefix, the window
# tests on an Xvfb display. The exit code is ctest's: a failing Windows test
# fails the run.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:?usage: wine_tests.sh BUILD_FOLDER}" && pwd)
. "$root/scripts/wine_env.sh"

start_xvfb
trap 'wineserver -k 2>/dev/null || true; stop_xvfb' EXIT
prepare_prefix
# Wine's system processes (services.exe and the like) outlive the program
# that starts them and keep its output open; started here, away from ctest's
# pipes, they no longer make ctest wait for them.
timeout 60 "$wine" wineboot </dev/null >/dev/null 2>&1
cd "$build"
ctest --output-on-failure --timeout 300
