#!/usr/bin/env bash
# Runs a command on the current X display with openbox managing its windows,
# as on a desktop: minimising and restoring need a window manager.
set -euo pipefail

openbox --sm-disable >/dev/null 2>&1 &
wm=$!
trap 'kill $wm 2>/dev/null || true' EXIT
for _ in $(seq 1 200); do
    if xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; then break; fi
    if ! kill -0 $wm 2>/dev/null; then echo "openbox did not start" >&2; exit 1; fi
    sleep 0.05
done
"$@"
