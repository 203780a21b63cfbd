#!/usr/bin/env bash
# Makes the installable artifacts in build/dist from the build folders that
# scripts/build.sh left (native, win64 and win32, all of one version):
#   tidemark_VERSION_amd64.deb          CPack, from build/native
#   Tidemark-VERSION-win64-setup.exe    makensis, from build/win64
#   Tidemark-VERSION-win32-setup.exe    makensis, from build/win32
#   Tidemark-VERSION-win64.zip          Tidemark.exe alone, for use without installing
#   Tidemark-VERSION-win32.zip
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
dist="$root/build/dist"

fail() {
    echo "package: $*" >&2
    exit 1
}

version_of() { sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$root/build/$1/CMakeCache.txt" 2>/dev/null; }
version=$(version_of native)
[ -n "$version" ] || fail "build/native is not configured; run scripts/build.sh native"
for width in 64 32; do
    [ -f "$root/build/win$width/platform/win32/Tidemark.exe" ] || fail "build/win$width has no Tidemark.exe; run scripts/build.sh win$width"
    [ "$(version_of "win$width")" = "$version" ] ||
        fail "build/win$width is of version $(version_of "win$width"), build/native of $version; build it again"
done

stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
rm -rf "$dist"
mkdir -p "$dist"

(cd "$root/build/native" && cpack --config CPackConfig.cmake -B "$stage/deb" >"$stage/cpack.log" 2>&1) ||
    { cat "$stage/cpack.log" >&2; fail "cpack failed"; }
cp "$stage/deb/tidemark_${version}_amd64.deb" "$dist/"

for width in 64 32; do
    build="$root/build/win$width"
    case $width in
        64) tools=x86_64-w64-mingw32 ;;
        32) tools=i686-w64-mingw32 ;;
    esac
    mkdir -p "$stage/win$width"
    exe="$stage/win$width/Tidemark.exe"
    "$tools-strip" -o "$exe" "$build/platform/win32/Tidemark.exe"
    makensis -V2 -NOCD "-DVERSION=$version" "-DWIDTH=$width" "-DEXE=$exe" \
        "-DICON=$build/platform/win32/resources/tidemark.ico" \
        "-DOUTFILE=$dist/Tidemark-$version-win$width-setup.exe" "$root/packaging/windows/tidemark.nsi"
    (cd "$stage/win$width" && zip -q -X -9 "$dist/Tidemark-$version-win$width.zip" Tidemark.exe)
done

ls -l "$dist"
