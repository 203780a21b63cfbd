#!/usr/bin/env bash
# Screenshots of the Win32 window under Wine on Xvfb, into BUILD/test-output:
#   tidemark-win32-window.png        the window test's window, idle
#   tidemark-win32-window-armed.png  the same with the settings locked
#   tidemark-win32-startup.png       Tidemark.exe starting without UI Automation
#   tidemark-win32-exe.png           Tidemark.exe's window after that message
# Every wait is bounded; a picture that cannot be taken fails the script.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/win64}" && pwd)
. "$root/scripts/wine_env.sh"

out="$build/test-output"
mkdir -p "$out"
handshake=$(mktemp -d)
running=
cleanup() {
    [ -n "$running" ] && kill "$running" 2>/dev/null
    wineserver -k 2>/dev/null || true
    stop_xvfb
    rm -rf "$handshake"
}
trap cleanup EXIT

fail() {
    echo "wine_window_screenshot: $*" >&2
    [ -f "$handshake/run.log" ] && sed 's/^/  | /' "$handshake/run.log" >&2
    exit 1
}

# Waits up to $2 tenths of a second for the command in the rest to succeed,
# while the program under test still runs.
wait_for() {
    local tenths=$1
    shift
    local tick
    for tick in $(seq 1 "$tenths"); do
        "$@" && return 0
        kill -0 "$running" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}

shoot() {
    timeout 30 import -window root "$out/$1" || fail "import could not take $1"
    [ -s "$out/$1" ] || fail "$1 is empty"
    echo "wine_window_screenshot: $out/$1"
}

start_xvfb
prepare_prefix

# The window test holds its window for each picture until told to go on.
export TIDEMARK_SCREENSHOT_DIR="Z:${handshake//\//\\}"
timeout 120 "$wine" "$build/tests/win32/window/tidemark_win32_window_tests.exe" \
    --gtest_filter='Win32WindowTest.ControlsSit*:Win32WindowTest.TheArmedState*' >"$handshake/run.log" 2>&1 &
running=$!
for state in idle armed; do
    wait_for 600 test -f "$handshake/$state.ready" || fail "the window test never showed the $state window"
    case $state in
        idle) shoot tidemark-win32-window.png ;;
        armed) shoot tidemark-win32-window-armed.png ;;
    esac
    touch "$handshake/$state.done"
done
wait "$running" || fail "the window test failed"
running=
unset TIDEMARK_SCREENSHOT_DIR

# Tidemark.exe itself, driven from the keyboard: under Wine its start-up
# says that UI Automation is missing and waits for OK; then the window comes
# up, Tab moves to the interval, and Alt+F4 closes the window, which saves
# the settings and ends the process.
still() {
    timeout 30 import -window root "$handshake/probe.png" 2>/dev/null || return 1
    [ "$(identify -format '%k' "$handshake/probe.png")" -gt 1 ] || return 1
    if [ -f "$handshake/previous.png" ] &&
        [ "$(compare -metric AE "$handshake/probe.png" "$handshake/previous.png" null: 2>&1)" = 0 ]; then
        return 0
    fi
    mv "$handshake/probe.png" "$handshake/previous.png"
    return 1
}
window_shown() { xwininfo -name Tidemark 2>/dev/null | grep -q IsViewable; }
settings() { timeout 60 "$wine" reg query 'HKCU\Software\Tidemark\Setting' /v "$1" 2>/dev/null | tr -d '\r'; }

timeout 60 "$wine" reg delete 'HKCU\Software\Tidemark' /f >/dev/null 2>&1 || true
timeout 120 "$wine" "$build/platform/win32/Tidemark.exe" >"$handshake/run.log" 2>&1 &
running=$!
wait_for 300 still || fail "Tidemark.exe showed nothing"
shoot tidemark-win32-startup.png
python3 "$root/scripts/x_keys.py" Return
wait_for 100 window_shown || fail "Tidemark.exe did not show its window after the start-up message"
rm -f "$handshake/previous.png"
wait_for 100 still || fail "Tidemark.exe's window did not settle"
shoot tidemark-win32-exe.png
python3 "$root/scripts/x_keys.py" Tab Tab Tab Tab 7 alt+F4
for tick in $(seq 1 100); do
    kill -0 "$running" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$running" 2>/dev/null && fail "Tidemark.exe did not end when its window was closed"
wait "$running" || fail "Tidemark.exe ended with an error"
running=
settings txtInterval | grep -q 'REG_SZ *7$' || fail "closing did not save the interval typed: $(settings txtInterval)"
settings chkFAST | grep -q 'REG_SZ *1$' || fail "closing did not save chkFAST"
echo "wine_window_screenshot: Tidemark.exe started, took keys, closed and saved its settings"
