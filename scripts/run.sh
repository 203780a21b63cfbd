#!/usr/bin/env bash
# Installs what is needed, builds, and opens the Tidemark window.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"
"$root/scripts/build.sh" native
exec "$root/build/native/platform/qt/Tidemark" "$@"
