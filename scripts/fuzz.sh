#!/usr/bin/env bash
# Builds the libFuzzer targets (tests/fuzz) with clang-14 under ASan and UBSan
# into build/fuzz, replays every input a fuzzer ever stopped on
# (tests/fuzz/regressions/TARGET), then fuzzes each target from its checked-in
# seed corpus (tests/fuzz/corpus/TARGET) for a bounded time. New inputs go to
# a temporary folder, never into the checkout. A finding is left in
# build/fuzz/findings/TARGET and fails the script.
#
#   scripts/fuzz.sh [SECONDS]    seconds per target, 60 unless given
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
seconds=${1:-60}
build="$root/build/fuzz"

launcher=()
if command -v ccache >/dev/null; then
    export CCACHE_DIR="${CCACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/ccache}"
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$root}"
    launcher=(-DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
fi
cmake -S "$root/tests/fuzz" -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++-14 "${launcher[@]}" >/dev/null
cmake --build "$build" -j "$(nproc)"

export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
export UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1
status=0
for target in csv_reader run_log report_page; do
    regressions="$root/tests/fuzz/regressions/$target"
    if compgen -G "$regressions/*" >/dev/null; then
        "$build/${target}_fuzz" -timeout=10 "$regressions"/* >"$build/$target.replay.log" 2>&1 ||
            { echo "fuzz: $target fails on a regression input, see $build/$target.replay.log" >&2; status=1; }
    fi
    findings="$build/findings/$target"
    work=$(mktemp -d)
    rm -rf "$findings"
    mkdir -p "$findings"
    if "$build/${target}_fuzz" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -max_len=16384 \
        -dict="$root/tests/fuzz/tidemark.dict" -artifact_prefix="$findings/" -print_final_stats=1 \
        "$work" "$root/tests/fuzz/corpus/$target" >"$build/$target.log" 2>&1; then
        echo "fuzz: $target: $(grep -m1 -o 'stat::number_of_executed_units: *[0-9]*' "$build/$target.log" |
            grep -o '[0-9]*$') inputs in ${seconds} s, no finding"
    else
        echo "fuzz: $target found a fault; its input is in $findings, the log in $build/$target.log" >&2
        status=1
    fi
    rm -rf "$work"
done
exit "$status"
