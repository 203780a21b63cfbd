#!/usr/bin/env bash
# Configures and builds one of the build folders: native (default), asan, win64, win32.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
flavour=${1:-native}
shift || true
wine_include="$root/build/deps/wine/usr/include/wine/wine/windows"

# The Windows builds use -O2 rather than CMake's Release -O3: GCC 12's -O3
# reports false -Wrestrict overlaps in std::string concatenation.
windows_release=(-DCMAKE_BUILD_TYPE=Release "-DCMAKE_CXX_FLAGS_RELEASE=-O2 -DNDEBUG")

case "$flavour" in
    native) args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo) ;;
    asan)   args=(-DCMAKE_BUILD_TYPE=Debug -DTIDEMARK_SANITIZE=ON) ;;
    win64)  args=("${windows_release[@]}" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-x86_64.cmake"
                  -DTIDEMARK_WINE_INCLUDE="$wine_include") ;;
    win32)  args=("${windows_release[@]}" -DCMAKE_TOOLCHAIN_FILE="$root/cmake/mingw-w64-i686.cmake"
                  -DTIDEMARK_WINE_INCLUDE="$wine_include") ;;
    *) echo "unknown build flavour: $flavour" >&2; exit 2 ;;
esac

# A compiler cache kept on the machine, outside the checkout, so that a fresh
# checkout rebuilds little after any earlier build here. Paths under the
# checkout are hashed relative to it, so another checkout's objects match
# (their debug information may then name the folder they were built in);
# without ccache the build goes on uncached.
if command -v ccache >/dev/null; then
    export CCACHE_DIR="${CCACHE_DIR:-${XDG_CACHE_HOME:-$HOME/.cache}/ccache}"
    export CCACHE_BASEDIR="${CCACHE_BASEDIR:-$root}"
    export CCACHE_NOHASHDIR="${CCACHE_NOHASHDIR:-1}"
    args+=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
else
    args+=(-UCMAKE_C_COMPILER_LAUNCHER -UCMAKE_CXX_COMPILER_LAUNCHER)
fi

cmake -S "$root" -B "$root/build/$flavour" -G Ninja "${args[@]}" >/dev/null
cmake --build "$root/build/$flavour" -j "$(nproc)" "$@"
