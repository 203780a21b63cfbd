#!/usr/bin/env bash
# The installed program run unattended, with no display, on the simulated
# browser: PROGRAM. `--run-once` with a bad option ends 2; one run writes its
# row, prints it, writes the metrics and ends 0 while a second copy started
# meanwhile ends 3 and writes nothing; `--start` opens the window (offscreen)
# and its first run leaves the metrics file.
set -euo pipefail

program=$1
work=$(mktemp -d "${TMPDIR:-/tmp}/tidemark-unattended.XXXXXX")
started=()
cleanup() {
    for pid in "${started[@]}"; do kill "$pid" 2>/dev/null || true; done
    for pid in "${started[@]}"; do wait "$pid" 2>/dev/null || true; done
    rm -rf "$work"
}
trap cleanup EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM TIDEMARK_METRICS_DIR
export HOME=$work/home XDG_RUNTIME_DIR=$work/runtime XDG_CONFIG_HOME=$work/config XDG_STATE_HOME=$work/state
mkdir -p "$HOME/Documents" "$XDG_CONFIG_HOME/Tidemark" "$work/metrics" "$work/second" "$work/window"
mkdir -m 700 "$XDG_RUNTIME_DIR"
settings=$XDG_CONFIG_HOME/Tidemark/Tidemark.conf
printf '[Setting]\nchkFAST=1\nchkUSEN=0\nchkSPEED=0\ntxtFileName=line\ntxtInterval=30\nchkCloseEdge=1\n' >"$settings"
cp "$settings" "$work/settings.before"

# Waits up to $1 seconds for the file $2.
wait_for_file() {
    local deadline=$((SECONDS + $1))
    until [ -e "$2" ]; do
        [ "$SECONDS" -lt "$deadline" ] || fail "no $2 within $1 s"
        sleep 0.2
    done
}

status=0
"$program" --simulated --run-once --services fast,ookla >/dev/null 2>"$work/refusal" || status=$?
[ "$status" -eq 2 ] || fail "--services fast,ookla ended with $status, not 2"
grep -q 'ookla' "$work/refusal" || fail "the refusal does not name the service: $(cat "$work/refusal")"

"$program" --simulated --run-once --metrics "$work/metrics" >"$work/first.out" 2>"$work/first.err" &
first=$!
started+=("$first")
wait_for_file 60 "$XDG_RUNTIME_DIR/Tidemark.lock"
status=0
"$program" --simulated --run-once --metrics "$work/second" >"$work/second.out" 2>/dev/null || status=$?
[ "$status" -eq 3 ] || fail "a second copy ended with $status, not 3"
[ ! -s "$work/second.out" ] && [ -z "$(ls -A "$work/second")" ] || fail "the second copy wrote something"

status=0
wait "$first" || status=$?
[ "$status" -eq 0 ] || fail "the run ended with $status: $(cat "$work/first.out" "$work/first.err")"
line=$(cat "$work/first.out")
[[ "$line" =~ \|\ All\ Test\ completed\ \|\ FAST\ [0-9.]+Mbps\ \|\ USEN\ ----\ ----\ ----\ ----\ \|\ SPEED\ ----\ ----\ ----$ ]] ||
    fail "the printed line: $line"
[ "$(grep -c 'Mbps' "$HOME/Documents/line.csv")" -eq 1 ] || fail "no row in line.csv"
promtool check metrics <"$work/metrics/tidemark.prom" || fail "promtool refused the metrics file"
grep -q '^tidemark_runs_total{result="success"} 1$' "$work/metrics/tidemark.prom" || fail "no success counted"
cmp -s "$settings" "$work/settings.before" || fail "--run-once changed the saved settings"

QT_QPA_PLATFORM=offscreen "$program" --simulated --start --metrics "$work/window" >/dev/null 2>&1 &
window=$!
started+=("$window")
wait_for_file 120 "$work/window/tidemark.prom"
grep -q '^tidemark_last_run_success 1$' "$work/window/tidemark.prom" || fail "the window's run: $(cat "$work/window/tidemark.prom")"
[ "$(grep -c 'Mbps' "$HOME/Documents/line.csv")" -eq 2 ] || fail "--start wrote no row"
echo "unattended_process: $line"
