#!/usr/bin/env bash
# Screenshots of the Win32 window under Wine on Xvfb, into BUILD/test-output:
#   tidemark-win32-window.png        the window test's window, idle
#   tidemark-win32-window-armed.png  the same with the settings locked
#   tidemark-win32-startup.png       Tidemark.exe starting without UI Automation
#   tidemark-win32-exe.png           Tidemark.exe's window after that message
#   tidemark-win32-exe-armed.png     Tidemark.exe counting down to its next run
#   tidemark-win32-exe-result.csv    the result file its one run wrote
# Every wait is bounded; a picture that cannot be taken or a check of
# Tidemark.exe that does not hold fails the script.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/win64}" && pwd)
. "$root/scripts/wine_env.sh"

out="$build/test-output"
mkdir -p "$out"
handshake=$(mktemp -d)
running=
follower=
result=
# A process already gone must not keep the rest from being cleaned up.
cleanup() {
    [ -n "$running" ] && kill "$running" 2>/dev/null || true
    [ -n "$follower" ] && kill "$follower" 2>/dev/null || true
    [ -n "$result" ] && rm -f "$result"
    wineserver -k 2>/dev/null || true
    stop_xvfb
    rm -rf "$handshake"
}
trap cleanup EXIT

fail() {
    echo "wine_window_screenshot: $*" >&2
    local log
    for log in run.log probe.log; do
        [ -f "$handshake/$log" ] && sed 's/^/  | /' "$handshake/$log" >&2
    done
    exit 1
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

# Tidemark.exe itself, driven from the keyboard and read from outside by the
# probe, under the same wineserver. Under Wine its start-up says that UI
# Automation is missing and waits for OK; then the window comes up. Start
# runs a measurement at once, which meets the same missing UI Automation
# and takes its error ending: one row of errors in the result file and the
# error on the status line until the next tick shows the countdown. Stop
# ends the schedule, and Alt+F4 saves the settings and ends the process.
probe_exe="$build/tests/win32/tidemark_window_probe.exe"
[ -f "$probe_exe" ] || fail "$probe_exe is missing; build the tests first"
probe() { timeout 30 "$wine" "$probe_exe" "$@" 2>>"$handshake/probe.log"; }

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

# The probe's lines are "id, enabled, class, text", tab-separated.
enabled_of() { awk -F'\t' -v caption="$2" '$4 == caption { print $2; exit }' "$1"; }
# The status line has no text of its own to find it by; it is the control
# after its caption label.
status_id_in() { awk -F'\t' 'found { print $1; exit } $4 == "Time Remain or Test status" { found = 1 }' "$1"; }
status_in() { awk -F'\t' -v id="$2" '$1 == id { print $4; exit }' "$1"; }
# Start, Stop and TestNow's enabled flags as three digits.
buttons_in() { echo "$(enabled_of "$1" 'Start (&S)')$(enabled_of "$1" 'Stop (&A)')$(enabled_of "$1" TestNow)"; }
snapshot() { probe controls >"$handshake/controls.txt"; }
idle() { snapshot && [ "$(buttons_in "$handshake/controls.txt")" = 100 ] &&
    [ -z "$(status_in "$handshake/controls.txt" "$status_id")" ]; }

error_status='An error occurred in the test !!'
countdown='^[0-9][0-9]:[0-5][0-9]:[0-5][0-9]$'
# The status line's texts, in the order the follower saw them.
status_seen() { awk -F'\t' -v id="$status_id" '$2 == id { print $5 }' "$handshake/follow.log"; }
error_then_countdown() {
    status_seen | awk -v error="$error_status" -v countdown="$countdown" \
        'after_error && $0 ~ countdown { seen = 1; exit } $0 == error { after_error = 1 } END { exit !seen }'
}

# A result file of the script's own in the Documents folder Windows reports,
# wherever the prefix has it (Wine links it into $HOME by default).
documents=$(probe documents) || fail "the probe could not ask Wine for the Documents folder"
documents_unix=$(timeout 30 "$wine" winepath -u "$documents" 2>/dev/null | tr -d '\r')
[ -d "$documents_unix" ] || fail "Wine's Documents folder $documents ($documents_unix) is not a folder"
result_name="tidemarkcheck$$"
result="$documents_unix/$result_name.csv"
rm -f "$result"

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

snapshot || fail "the probe did not find the window titled Tidemark"
status_id=$(status_id_in "$handshake/controls.txt")
[ -n "$status_id" ] || fail "the probe found no status line: $(cat "$handshake/controls.txt")"
[ "$(buttons_in "$handshake/controls.txt")" = 100 ] ||
    fail "at start-up Start, Stop and TestNow are not enabled, disabled, disabled: $(buttons_in "$handshake/controls.txt")"

# The file name, three tab stops in; the interval after it.
name_keys=()
for ((i = 0; i < ${#result_name}; i++)); do name_keys+=("${result_name:i:1}"); done
python3 "$root/scripts/x_keys.py" Tab Tab Tab "${name_keys[@]}" Tab 7

timeout 120 "$wine" "$probe_exe" follow "Z:${handshake//\//\\}\\stop" >"$handshake/follow.log" 2>>"$handshake/probe.log" &
follower=$!
wait_for 100 grep -q 'Time Remain or Test status' "$handshake/follow.log" || fail "the probe could not follow the window"
python3 "$root/scripts/x_keys.py" alt+s
wait_for 100 error_then_countdown ||
    fail "after Start the status line did not show \"$error_status\" and then a countdown; it showed: $(status_seen | tr '\n' '|')"
touch "$handshake/stop"
wait "$follower" || fail "the probe stopped following with an error"
follower=
first_countdown=$(status_seen | grep -m1 -E "$countdown")
[[ $first_countdown =~ ^00:0(6:[0-5][0-9]|7:00)$ ]] ||
    fail "the countdown after Start is $first_countdown, not the 7 minutes typed"
error_ms=$(awk -F'\t' -v id="$status_id" -v error="$error_status" -v countdown="$countdown" \
    '$2 == id && $5 == error { from = $1 } $2 == id && from != "" && $5 ~ countdown { print $1 - from; exit }' \
    "$handshake/follow.log")
snapshot || fail "the probe lost the window after Start"
[ "$(buttons_in "$handshake/controls.txt")" = 011 ] ||
    fail "armed, Start, Stop and TestNow are not disabled, enabled, enabled: $(buttons_in "$handshake/controls.txt")"

# The row is written inside the click, before the status line shows the error.
[ -f "$result" ] || fail "Start wrote no $result"
cp "$result" "$out/tidemark-win32-exe-result.csv"
python3 - "$result" <<'PY' || fail "the result file is not the two header lines and one error row"
import re, sys
data = open(sys.argv[1], "rb").read()
header = (b" , , ,FAST,USEN,USEN,USEN,USEN ,SPEED,SPEED,SPEED\r\n"
          b" ,Time,Note,DL Speed,DL Speed,UL speed,PING,Jitter,DL Speed,UL speed,PING\r\n")
row = re.compile(rb" ,[^,\r\n\"]+,An error occurred in the test\.(,Error){8}\r\n")
if not data.startswith(header):
    sys.exit("wine_window_screenshot: the header lines differ: %r" % data[:len(header) + 20])
if not row.fullmatch(data[len(header):]):
    sys.exit("wine_window_screenshot: after the header lines: %r" % data[len(header):])
PY

rm -f "$handshake/previous.png"
wait_for 50 still || fail "Tidemark.exe's armed window did not settle"
shoot tidemark-win32-exe-armed.png

python3 "$root/scripts/x_keys.py" alt+a
wait_for 50 idle ||
    fail "Stop did not return the window to idle: buttons $(buttons_in "$handshake/controls.txt"), status \"$(status_in "$handshake/controls.txt" "$status_id")\""

python3 "$root/scripts/x_keys.py" alt+F4
for tick in $(seq 1 100); do
    kill -0 "$running" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$running" 2>/dev/null && fail "Tidemark.exe did not end when its window was closed"
wait "$running" || fail "Tidemark.exe ended with an error"
running=
settings txtInterval | grep -q 'REG_SZ *7$' || fail "closing did not save the interval typed: $(settings txtInterval)"
settings txtFileName | grep -q "REG_SZ *$result_name\$" ||
    fail "closing did not save the file name typed: $(settings txtFileName)"
settings chkFAST | grep -q 'REG_SZ *1$' || fail "closing did not save chkFAST"
echo "wine_window_screenshot: Documents is $documents ($(readlink -f "$documents_unix"))"
echo "wine_window_screenshot: after Start the status line read \"$(status_seen | paste -sd'|')\"; the error stayed ${error_ms:-?} ms"
echo "wine_window_screenshot: Tidemark.exe started, ran into its error ending, wrote the error row, stopped, closed and saved its settings"
