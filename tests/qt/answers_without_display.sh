#!/usr/bin/env bash
# The installed program's --version and --help must work where there is no
# display, as in a terminal over ssh: PROGRAM VERSION.
set -euo pipefail

program=$1
version=$2
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

answer=$("$program" --version) || { echo "--version ended with $?" >&2; exit 1; }
[ "$answer" = "Tidemark $version" ] || { echo "--version said \"$answer\", not \"Tidemark $version\"" >&2; exit 1; }

usage=$("$program" --help) || { echo "--help ended with $?" >&2; exit 1; }
grep -q -- '--version' <<<"$usage" || { echo "--help does not mention --version" >&2; exit 1; }

echo "answers_without_display: $answer"
