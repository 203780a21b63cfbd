#!/usr/bin/env bash
# The installed program's --version and --help must work where there is no
# display, as in a terminal over ssh, and an option it does not know must be
# refused there too: PROGRAM VERSION.
set -euo pipefail

program=$1
version=$2
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

answer=$("$program" --version) || { echo "--version ended with $?" >&2; exit 1; }
[ "$answer" = "Tidemark $version" ] || { echo "--version said \"$answer\", not \"Tidemark $version\"" >&2; exit 1; }

usage=$("$program" --help) || { echo "--help ended with $?" >&2; exit 1; }
grep -q -- '--version' <<<"$usage" || { echo "--help does not mention --version" >&2; exit 1; }

status=0
refusal=$("$program" --bogus --version 2>&1 >/dev/null) || status=$?
[ "$status" -eq 2 ] || { echo "--bogus --version ended with $status, not 2" >&2; exit 1; }
grep -q -- "Unknown option 'bogus'" <<<"$refusal" && grep -q -- '--simulated' <<<"$refusal" ||
    { echo "--bogus was refused without naming it and the usage: $refusal" >&2; exit 1; }

echo "answers_without_display: $answer"
