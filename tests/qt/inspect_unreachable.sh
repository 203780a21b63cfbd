#!/usr/bin/env bash
# `Tidemark --inspect` on an address that cannot load, with no display: a
# message naming the address on stderr, nothing on stdout, exit 1, and no
# profile left behind. PROGRAM
set -euo pipefail

program=$1
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
cache=$(mktemp -d)
trap 'rm -rf "$cache"' EXIT
export XDG_CACHE_HOME=$cache

status=0
"$program" --inspect http://127.0.0.1:1/ >"$cache/out" 2>"$cache/err" || status=$?
[ "$status" -eq 1 ] || { echo "--inspect ended with $status, not 1" >&2; cat "$cache/err" >&2; exit 1; }
grep -q '^Tidemark: could not load http://127.0.0.1:1/: net::ERR_' "$cache/err" ||
    { echo "stderr does not say why:" >&2; cat "$cache/err" >&2; exit 1; }
[ ! -s "$cache/out" ] || { echo "stdout is not empty:" >&2; cat "$cache/out" >&2; exit 1; }
[ -z "$(ls -A "$cache/tidemark")" ] || { echo "left behind:" >&2; ls -A "$cache/tidemark" >&2; exit 1; }

echo "inspect_unreachable: $(cat "$cache/err")"
