#!/usr/bin/env bash
# Prints the size in bytes of each Windows build's Tidemark.exe once stripped,
# as it would ship. The builds themselves are left as they are.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT

status=0
for pair in win64:x86_64-w64-mingw32 win32:i686-w64-mingw32; do
    build=${pair%%:*}
    exe="$root/build/$build/platform/win32/Tidemark.exe"
    if [ ! -f "$exe" ]; then
        echo "$build: $exe is missing (scripts/build.sh $build)" >&2
        status=1
        continue
    fi
    cp "$exe" "$scratch/$build.exe"
    "${pair#*:}-strip" "$scratch/$build.exe"
    printf '%s Tidemark.exe stripped: %d bytes (unstripped %d)\n' "$build" \
        "$(stat -c %s "$scratch/$build.exe")" "$(stat -c %s "$exe")"
done
exit $status
