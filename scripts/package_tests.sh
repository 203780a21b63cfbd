#!/usr/bin/env bash
# Proves the artifacts scripts/package.sh left in build/dist:
# - the .deb: its contents (listed into the log) are the program, its desktop
#   entry, icons, man page and documents and nothing else, lintian finds no
#   error, it installs with apt, `tidemark --version` answers with the
#   version, and it is removed again, leaving the machine as it was;
# - the 64-bit installer, under Wine in a prefix of its own: /S installs
#   Tidemark.exe, the Start-menu shortcut and the Uninstall key; the
#   uninstaller that key names removes all three and leaves the user's
#   result file and settings alone; without /STARTATSIGNIN nothing is
#   written under the Run key, with it `"...\Tidemark.exe" --start` is, and
#   the uninstaller removes it;
# - the 32-bit installer and both zips: the right width (Wine here runs
#   64-bit programs only) and the version in their version resources.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
dist="$root/build/dist"
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$root/build/native/CMakeCache.txt")
deb="$dist/tidemark_${version}_amd64.deb"

fail() {
    echo "package_tests: $*" >&2
    exit 1
}
note() { echo "package_tests: $*"; }
# A step that fails without a message of its own still says where.
trap 'echo "package_tests: line $LINENO failed: $BASH_COMMAND" >&2' ERR
sudo_if_needed() {
    if [ "$(id -u)" -eq 0 ]; then "$@"; else sudo "$@"; fi
}

work=$(mktemp -d)
installed=
wine_started=
cleanup() {
    if [ -n "$installed" ]; then
        sudo_if_needed env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq tidemark >/dev/null 2>&1 || true
    fi
    if [ -n "$wine_started" ]; then
        wineserver -k 2>/dev/null || true
        stop_xvfb
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# A version resource's value: its name and its value are neighbouring
# UTF-16 strings in the file.
version_resource() { strings -el "$1" | grep -A1 -x "$2" | sed -n 2p; }
expect_version_resource() {
    local value
    for key in FileVersion ProductVersion; do
        value=$(version_resource "$1" "$key")
        [ "$value" = "$version" ] || fail "$(basename "$1")'s $key is \"$value\", not $version"
    done
    [ "$(version_resource "$1" ProductName)" = Tidemark ] || fail "$(basename "$1")'s ProductName is not Tidemark"
}

# --- the Debian package ------------------------------------------------------
[ -f "$deb" ] || fail "$deb is missing; run scripts/package.sh"
note "contents of $(basename "$deb"):"
dpkg -c "$deb" | tee "$work/contents"
allowed='^\./usr/(bin/tidemark|lib/systemd/user/tidemark\.(service|timer)|share/applications/tidemark\.desktop|share/icons/hicolor/([0-9]+x[0-9]+/apps/tidemark\.png|scalable/apps/tidemark\.svg)|share/man/man1/tidemark\.1\.gz|share/doc/tidemark/(copyright|changelog\.gz))$'
others=$(awk '$1 !~ /^d/ { print $6 }' "$work/contents" | grep -Ev "$allowed" || true)
[ -z "$others" ] || fail "the package carries files it should not: $others"
for size in 16 22 24 32 48 64 128 256; do
    grep -q "/hicolor/${size}x${size}/apps/tidemark.png\$" "$work/contents" || fail "no ${size}x${size} icon"
done
dpkg-deb -f "$deb" Depends | grep -qw chromium || fail "the package does not depend on chromium"

note "lintian:"
lintian_status=0
lintian --fail-on error --display-info "$deb" >"$work/lintian" 2>&1 || lintian_status=$?
grep -v '^running with root privileges' "$work/lintian" || true
[ "$lintian_status" -eq 0 ] || fail "lintian found errors in $(basename "$deb")"

dpkg-query -W -f='${Status}' tidemark 2>/dev/null | grep -q 'install ok installed' &&
    fail "tidemark is installed already; this test installs and removes it"
installed=yes
sudo_if_needed env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq "$deb" >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log" >&2; fail "apt-get could not install $(basename "$deb")"; }
[ "$(command -v tidemark)" = /usr/bin/tidemark ] || fail "tidemark is not /usr/bin/tidemark"
answer=$(env -u DISPLAY -u WAYLAND_DISPLAY tidemark --version) || fail "tidemark --version ended with an error"
[ "$answer" = "Tidemark $version" ] || fail "tidemark --version said \"$answer\", not \"Tidemark $version\""
note "installed: $answer"
# The timer's user units, shipped but not turned on; systemd's own checker
# finds their program and man page as installed.
for unit in tidemark.service tidemark.timer; do
    [ -f "/usr/lib/systemd/user/$unit" ] || fail "no /usr/lib/systemd/user/$unit"
done
systemd-analyze verify /usr/lib/systemd/user/tidemark.service /usr/lib/systemd/user/tidemark.timer ||
    fail "systemd-analyze verify refused the units"
[ ! -e /etc/systemd/user/timers.target.wants/tidemark.timer ] || fail "the package turned the timer on"
note "systemd-analyze verify passes on tidemark.service and tidemark.timer"
sudo_if_needed env DEBIAN_FRONTEND=noninteractive apt-get remove -y -qq tidemark >"$work/apt.log" 2>&1 ||
    { cat "$work/apt.log" >&2; fail "apt-get could not remove tidemark"; }
installed=
[ ! -e /usr/bin/tidemark ] || fail "/usr/bin/tidemark is still there after removal"
dpkg-query -W -f='${Status}' tidemark 2>/dev/null | grep -q 'installed' && fail "tidemark is still installed"
note "removed again"

# --- the Windows artifacts ---------------------------------------------------
setup64="$dist/Tidemark-$version-win64-setup.exe"
setup32="$dist/Tidemark-$version-win32-setup.exe"
file -b "$setup64" | grep -q '^PE32+ executable (GUI) x86-64' || fail "$(basename "$setup64") is $(file -b "$setup64")"
file -b "$setup32" | grep -q '^PE32 executable (GUI) Intel 80386' || fail "$(basename "$setup32") is $(file -b "$setup32")"
for width in 64 32; do
    zip="$dist/Tidemark-$version-win$width.zip"
    mkdir "$work/zip$width"
    python3 - "$zip" "$work/zip$width" <<'PY' || fail "$(basename "$zip") does not hold Tidemark.exe alone"
import sys, zipfile
with zipfile.ZipFile(sys.argv[1]) as archive:
    if archive.namelist() != ["Tidemark.exe"]:
        sys.exit("package_tests: %s holds %s" % (sys.argv[1], archive.namelist()))
    archive.extractall(sys.argv[2])
PY
    expect_version_resource "$work/zip$width/Tidemark.exe"
    expect_version_resource "$dist/Tidemark-$version-win$width-setup.exe"
done
file -b "$work/zip64/Tidemark.exe" | grep -q '^PE32+ executable (GUI) x86-64' || fail "the win64 zip's Tidemark.exe is not 64-bit"
file -b "$work/zip32/Tidemark.exe" | grep -q '^PE32 executable (GUI) Intel 80386' || fail "the win32 zip's Tidemark.exe is not 32-bit"
note "both installers and zips are of the right width and carry version $version"

# The 64-bit installer under Wine, with a home of its own so that Wine's
# Documents folder is a folder of the test's.
build="$work/wine"
mkdir -p "$build/home/Documents"
export HOME="$build/home"
. "$root/scripts/wine_env.sh"
wine_started=yes
start_xvfb
prepare_prefix

# Runs a command inside Wine and gives its output without carriage returns.
in_wine() { timeout 60 "$wine" "$@" 2>/dev/null | tr -d '\r'; }
unix_path() { in_wine winepath -u "$1"; }
uninstall_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Tidemark'
run_key='HKCU\Software\Microsoft\Windows\CurrentVersion\Run'
registry_value() { in_wine reg query "$1" /v "$2" | awk -v name="$2" '$1 == name { $1 = ""; $2 = ""; sub(/^ +/, ""); print }'; }

timeout 120 "$wine" "$setup64" /S >/dev/null 2>&1 || fail "the silent install ended with an error"

programs=$(unix_path "$(in_wine cmd /c echo '%LOCALAPPDATA%')\\Programs\\Tidemark")
shortcut=$(unix_path "$(in_wine cmd /c echo '%APPDATA%')\\Microsoft\\Windows\\Start Menu\\Programs\\Tidemark.lnk")
[ -f "$programs/Tidemark.exe" ] || fail "no Tidemark.exe in $programs"
cmp -s "$programs/Tidemark.exe" "$work/zip64/Tidemark.exe" || fail "the installed Tidemark.exe is not the one in the zip"
[ -f "$shortcut" ] || fail "no Start-menu shortcut at $shortcut"
for name in DisplayName DisplayVersion Publisher DisplayIcon UninstallString QuietUninstallString InstallLocation \
    NoModify NoRepair EstimatedSize; do
    [ -n "$(registry_value "$uninstall_key" "$name")" ] || fail "the Uninstall key has no $name"
done
[ "$(registry_value "$uninstall_key" DisplayVersion)" = "$version" ] || fail "the Uninstall key's DisplayVersion is not $version"
[ "$(unix_path "$(registry_value "$uninstall_key" InstallLocation)")" = "$programs" ] ||
    fail "the Uninstall key's InstallLocation is not $programs"
[ -z "$(registry_value "$run_key" Tidemark)" ] || fail "an install without /STARTATSIGNIN wrote the Run key"
note "installed under Wine into $programs ($(($(registry_value "$uninstall_key" EstimatedSize))) KiB), the shortcut and the Uninstall key"

# What the user made while Tidemark was installed.
documents=$(unix_path "$(in_wine "$root/build/win64/tests/win32/tidemark_window_probe.exe" documents)")
[ -d "$documents" ] || fail "Wine's Documents folder ($documents) is not a folder"
result="$documents/line.csv"
printf ' ,Time,Note\r\n ,2026/12/07 01:00:00,\r\n' >"$result"
cp "$result" "$work/line.csv"
in_wine reg add 'HKCU\Software\Tidemark\Setting' /v txtFileName /d line /f >/dev/null

# The uninstaller runs a copy of itself from the temporary folder and returns
# at once; the copy's work is done when its last trace is gone.
quiet=$(registry_value "$uninstall_key" QuietUninstallString)
[[ $quiet =~ ^\"([^\"]+)\"\ /S$ ]] || fail "the QuietUninstallString is \"$quiet\""
timeout 60 "$wine" "${BASH_REMATCH[1]}" /S >/dev/null 2>&1 || fail "the silent uninstall ended with an error"
gone() { [ ! -e "$programs" ] && [ ! -e "$shortcut" ] && ! in_wine reg query "$uninstall_key" >/dev/null; }
wait_gone() {
    for _ in $(seq 1 300); do
        gone && [ -z "$(registry_value "$run_key" Tidemark)" ] && break
        sleep 0.2
    done
}
wait_gone
[ ! -e "$programs" ] || fail "the uninstall left $programs: $(ls -A "$programs" | tr '\n' ' ')"
[ ! -e "$shortcut" ] || fail "the uninstall left the Start-menu shortcut"
in_wine reg query "$uninstall_key" >/dev/null && fail "the uninstall left the Uninstall key"
cmp -s "$result" "$work/line.csv" || fail "the uninstall touched the result file in Documents"
[ "$(registry_value 'HKCU\Software\Tidemark\Setting' txtFileName)" = line ] || fail "the uninstall touched the settings"
note "uninstalled under Wine: the program, the shortcut and the Uninstall key are gone; $(readlink -f "$result") and the settings stay"

# "Start measuring when I sign in", chosen for a silent install: the user's
# Run key starts the installed program with --start; the uninstaller takes it away.
timeout 120 "$wine" "$setup64" /S /STARTATSIGNIN >/dev/null 2>&1 || fail "the silent install with /STARTATSIGNIN ended with an error"
run_value=$(registry_value "$run_key" Tidemark)
[[ $run_value =~ ^\"([^\"]+)\"\ --start$ ]] && [ "$(unix_path "${BASH_REMATCH[1]}")" = "$programs/Tidemark.exe" ] ||
    fail "the Run key's Tidemark value is \"$run_value\", not the installed Tidemark.exe with --start"
quiet=$(registry_value "$uninstall_key" QuietUninstallString)
[[ $quiet =~ ^\"([^\"]+)\"\ /S$ ]] || fail "the QuietUninstallString is \"$quiet\""
timeout 60 "$wine" "${BASH_REMATCH[1]}" /S >/dev/null 2>&1 || fail "the second silent uninstall ended with an error"
wait_gone
[ -z "$(registry_value "$run_key" Tidemark)" ] || fail "the uninstall left the Run key's Tidemark value"
gone || fail "the second uninstall left the program, the shortcut or the Uninstall key"
note "with /STARTATSIGNIN the Run key starts $run_value; the uninstaller removed it"
