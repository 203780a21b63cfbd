#!/usr/bin/env bash
# Tidemark.exe itself against the test UI Automation server, in a Wine prefix
# of its own where the server's DLL is registered under CUIAutomation8's
# class id and a stand-in msedge.exe sits at Edge's standard path. Start
# must measure all three services through the real adapter and write a row
# of figures; Stop and closing end it. Then the same without anybody at the
# window: --run-once beside the window ends 3, alone it measures, prints its
# row, writes the metrics and ends 0, with a service the window does not know
# it ends 2; --start measures at once. Every wait is bounded.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
build=$(cd "${1:-$root/build/win64}" && pwd)
. "$root/scripts/wine_env.sh"
export WINEPREFIX="$build/wineprefix-uia-server"

server_dll="$build/tests/win32/registered_server/tidemark_uia_test_server.dll"
edge_stand_in="$build/tests/win32/registered_server/tidemark_edge_stand_in.exe"
probe_exe="$build/tests/win32/tidemark_window_probe.exe"
for file in "$server_dll" "$edge_stand_in" "$probe_exe" "$build/platform/win32/Tidemark.exe"; do
    [ -f "$file" ] || { echo "wine_registered_server: $file is missing; build win64 first" >&2; exit 1; }
done

work=$(mktemp -d)
running=
result=
cleanup() {
    [ -n "$running" ] && kill "$running" 2>/dev/null || true
    [ -n "$result" ] && rm -f "$result"
    wineserver -k 2>/dev/null || true
    stop_xvfb
    rm -rf "$work"
}
trap cleanup EXIT

fail() {
    echo "wine_registered_server: $*" >&2
    [ -f "$work/run.log" ] && sed 's/^/  | /' "$work/run.log" >&2
    exit 1
}
windows_path() { echo "Z:${1//\//\\}"; }
probe() { timeout 30 "$wine" "$probe_exe" "$@" 2>>"$work/probe.log"; }
window_shown() { xwininfo -name Tidemark 2>/dev/null | grep -q IsViewable; }
status_now() {
    probe controls >"$work/controls.txt" || return 1
    awk -F'\t' 'found { print $4; exit } $4 == "Time Remain or Test status" { found = 1 }' "$work/controls.txt"
}
status_is() { [ "$(status_now)" = "$1" ]; }
counting_down() { status_now | grep -qE '^[0-9][0-9]:[0-5][0-9]:[0-5][0-9]$'; }

start_xvfb
prepare_prefix
clsid='{e22ad333-b25f-460c-83d0-0581107395c9}'  # CUIAutomation8
key="HKLM\\Software\\Classes\\CLSID\\$clsid\\InprocServer32"
timeout 60 "$wine" reg add "$key" /ve /d "$(windows_path "$server_dll")" /f >/dev/null 2>&1 ||
    fail "could not register the server"
timeout 60 "$wine" reg add "$key" /v ThreadingModel /d Both /f >/dev/null 2>&1 || fail "could not register the server"
edge_dir="$WINEPREFIX/drive_c/Program Files (x86)/Microsoft/Edge/Application"
mkdir -p "$edge_dir"
cp "$edge_stand_in" "$edge_dir/msedge.exe"
export TIDEMARK_RECORD_FILE
TIDEMARK_RECORD_FILE=$(windows_path "$work/edge-start.txt")
export TIDEMARK_RECORD_EVENT="TidemarkTestServerEdgeStarted"

documents=$(probe documents) || fail "the probe could not ask Wine for the Documents folder"
documents_unix=$(timeout 30 "$wine" winepath -u "$documents" 2>/dev/null | tr -d '\r')
result_name="tidemarkserver$$"
result="$documents_unix/$result_name.csv"
rm -f "$result"

timeout 60 "$wine" reg delete 'HKCU\Software\Tidemark' /f >/dev/null 2>&1 || true
timeout 300 "$wine" "$build/platform/win32/Tidemark.exe" >"$work/run.log" 2>&1 &
running=$!
# With UI Automation there, no start-up message comes before the window.
wait_for 300 window_shown || fail "Tidemark.exe did not show its window"
wait_for 100 status_is "" || fail "the probe could not read Tidemark.exe's window"

name_keys=()
for ((i = 0; i < ${#result_name}; i++)); do name_keys+=("${result_name:i:1}"); done
python3 "$root/scripts/x_keys.py" Tab Tab Tab "${name_keys[@]}"
python3 "$root/scripts/x_keys.py" alt+s
# Start measures inside the click; the status line ends it with the countdown.
wait_for 900 counting_down || fail "the run did not end in a countdown; the status line reads \"$(status_now)\""
[ -f "$result" ] || fail "Start wrote no $result"
mkdir -p "$build/test-output"
cp "$result" "$build/test-output/tidemark-win32-exe-server-result.csv"
python3 - "$result" <<'PY' || fail "the result file is not the two header lines and one row of figures"
import re, sys
data = open(sys.argv[1], "rb").read()
header = (b" , , ,FAST,USEN,USEN,USEN,USEN ,SPEED,SPEED,SPEED\r\n"
          b" ,Time,Note,DL Speed,DL Speed,UL speed,PING,Jitter,DL Speed,UL speed,PING\r\n")
figure = rb"[0-9.]+(Mbps|ms)"
row = re.compile(rb" ,[^,\r\n]+,," + rb",".join([figure] * 8) + rb"\r\n")
if not data.startswith(header) or not row.fullmatch(data[len(header):]):
    sys.exit("wine_registered_server: %r" % data)
print("wine_registered_server: row %s" % data[len(header):].decode().strip())
PY

# The window holds the one-instance lock: a second Tidemark writes nothing.
status=0
timeout 120 "$wine" "$build/platform/win32/Tidemark.exe" --run-once --metrics "$(windows_path "$work")" \
    >"$work/locked.out" 2>&1 || status=$?
[ "$status" -eq 3 ] || fail "--run-once beside the window ended with $status, not 3: $(cat "$work/locked.out")"
[ ! -e "$work/tidemark.prom" ] || fail "--run-once beside the window wrote metrics"

python3 "$root/scripts/x_keys.py" alt+a
wait_for 150 status_is "" || fail "Stop did not clear the status line; it reads \"$(status_now)\""
python3 "$root/scripts/x_keys.py" alt+F4
for tick in $(seq 1 100); do
    kill -0 "$running" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$running" 2>/dev/null && fail "Tidemark.exe did not end when its window was closed"
wait "$running" || fail "Tidemark.exe ended with an error"
running=
echo "wine_registered_server: Tidemark.exe measured FAST, USEN and SPEED through the test server and wrote its row"

# One run as a timer starts it, through the same adapter, into the same file.
mkdir -p "$work/metrics"
status=0
timeout 900 "$wine" "$build/platform/win32/Tidemark.exe" --run-once --metrics "$(windows_path "$work/metrics")" \
    >"$work/once.out" 2>"$work/once.err" || status=$?
[ "$status" -eq 0 ] || fail "--run-once ended with $status: $(cat "$work/once.out" "$work/once.err")"
once=$(tr -d '\r' <"$work/once.out")
[[ $once =~ \|\ All\ Test\ completed\ \|\ FAST\ [0-9.]+Mbps\ \|\ USEN\ [0-9.]+Mbps ]] || fail "--run-once printed \"$once\""
[ "$(grep -c Mbps "$result")" -eq 2 ] || fail "--run-once did not append its row to $result"
promtool check metrics <"$work/metrics/tidemark.prom" || fail "promtool refused Tidemark.exe's metrics"
for service in fast usen speed; do
    grep -q "^tidemark_download_bytes_per_second{service=\"$service\"} [0-9]" "$work/metrics/tidemark.prom" ||
        fail "no $service download in the metrics: $(cat "$work/metrics/tidemark.prom")"
done
status=0
timeout 120 "$wine" "$build/platform/win32/Tidemark.exe" --run-once --services fast,ookla >/dev/null \
    2>"$work/refused" || status=$?
[ "$status" -eq 2 ] || fail "--services fast,ookla ended with $status, not 2"
grep -q ookla "$work/refused" || fail "the refusal does not name the service: $(cat "$work/refused")"
echo "wine_registered_server: Tidemark.exe --run-once: $once"

# --start: the window measures at once, and its run leaves the metrics too.
mkdir -p "$work/window-metrics"
timeout 900 "$wine" "$build/platform/win32/Tidemark.exe" --start --metrics "$(windows_path "$work/window-metrics")" \
    >"$work/run.log" 2>&1 &
running=$!
wait_for 9000 test -f "$work/window-metrics/tidemark.prom" || fail "Tidemark.exe --start measured nothing"
grep -q '^tidemark_last_run_success 1$' "$work/window-metrics/tidemark.prom" ||
    fail "--start's run did not succeed: $(cat "$work/window-metrics/tidemark.prom")"
[ "$(grep -c Mbps "$result")" -eq 3 ] || fail "--start did not append its row to $result"
wait_for 900 counting_down || fail "--start's run did not end in a countdown"
python3 "$root/scripts/x_keys.py" alt+F4
for tick in $(seq 1 100); do
    kill -0 "$running" 2>/dev/null || break
    sleep 0.1
done
kill -0 "$running" 2>/dev/null && fail "Tidemark.exe --start did not end when its window was closed"
wait "$running" || fail "Tidemark.exe --start ended with an error"
running=
echo "wine_registered_server: Tidemark.exe --start measured at once and wrote its metrics"
