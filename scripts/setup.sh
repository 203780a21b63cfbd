#!/usr/bin/env bash
# Installs what Tidemark needs on Debian 12 and unpacks the Wine IDL files the
# Windows build generates its UI Automation headers from. Safe to run again.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)

packages=(
    cmake g++ make ninja-build pkg-config ccache clang-format
    libgtest-dev googletest
    qt6-base-dev fonts-ipafont-gothic
    g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools
    wine64 xvfb xauth imagemagick python3 libxtst6
    chromium nlohmann-json3-dev libcpp-httplib-dev openbox x11-utils
    librsvg2-bin nsis zip file dpkg-dev lintian
    clang-14 libfuzzer-14-dev libclang-rt-14-dev locales libexpat1-dev
    prometheus prometheus-node-exporter systemd stress-ng linux-perf
)

sudo_if_needed() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

missing=()
for package in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
        missing+=("$package")
    fi
done
updated=no
if [ ${#missing[@]} -gt 0 ]; then
    echo "setup: installing ${missing[*]}"
    sudo_if_needed apt-get update -qq
    updated=yes
    sudo_if_needed env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# Debian 12's mingw headers lack the UI Automation client interfaces; Wine's IDL has them.
wine_idl="$root/build/deps/wine"
if [ ! -f "$wine_idl/usr/include/wine/wine/windows/uiautomationclient.idl" ]; then
    echo "setup: unpacking libwine-dev's IDL files"
    [ "$updated" = yes ] || sudo_if_needed apt-get update -qq
    download=$(mktemp -d)
    chmod 777 "$download"
    (cd "$download" && apt-get download -qq libwine-dev)
    mkdir -p "$wine_idl"
    dpkg-deb -x "$download"/libwine-dev_*.deb "$wine_idl"
    rm -rf "$download"
fi
