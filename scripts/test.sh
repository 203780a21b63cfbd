#!/usr/bin/env bash
# The whole test suite: the style check, native tests, the fuzz stage, the same under ASan+UBSan, the Windows
# builds (64- and 32-bit), the Windows tests under Wine, Tidemark.exe under
# Wine against the registered test UI Automation server, screenshots of the
# Win32 window under Wine (build/win64/test-output), and the packages made
# into build/dist and tried: the .deb installed and removed, the 64-bit
# installer and its uninstaller run under Wine.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/setup.sh"

jobs=$(nproc)
# The sources keep the style of .clang-format.
(cd "$root" && find src platform tests bench \( -name '*.cpp' -o -name '*.h' \) -print0 |
    xargs -0 clang-format --dry-run -Werror)

"$root/scripts/build.sh" native
(cd "$root/build/native" && ctest --output-on-failure -j "$jobs")

# The readers and the page writer under libFuzzer, a minute a target.
"$root/scripts/fuzz.sh" 60

"$root/scripts/build.sh" asan
(cd "$root/build/asan" && ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
    ctest --output-on-failure -j "$jobs")

"$root/scripts/build.sh" win64
"$root/scripts/build.sh" win32
"$root/scripts/wine_tests.sh" "$root/build/win64"
"$root/scripts/wine_window_screenshot.sh" "$root/build/win64"
"$root/scripts/wine_registered_server.sh" "$root/build/win64"
"$root/scripts/package.sh"
"$root/scripts/package_tests.sh"
