# Sourced by the Wine scripts: a private prefix inside the build folder, an
# Xvfb display for windows, and the font the window asks for.
# Needs $build (the Windows build folder) set by the caller.

export WINEPREFIX="$build/wineprefix"
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
export WINEARCH=win64
# Debian keeps wine64 and wineserver in /usr/lib/wine, off the PATH.
export PATH="/usr/lib/wine:$PATH"
wine=$(command -v wine64 || command -v wine)

xvfb_pid=

# Starts Xvfb on the first free display from :90 and exports DISPLAY.
start_xvfb() {
    local display
    for display in $(seq 90 160); do
        [ -e "/tmp/.X$display-lock" ] || [ -e "/tmp/.X11-unix/X$display" ] && continue
        Xvfb ":$display" -screen 0 480x360x24 -nolisten tcp >/dev/null 2>&1 &
        xvfb_pid=$!
        local tries
        for tries in $(seq 1 100); do
            if [ -e "/tmp/.X11-unix/X$display" ]; then
                export DISPLAY=":$display"
                return 0
            fi
            kill -0 "$xvfb_pid" 2>/dev/null || break
            sleep 0.1
        done
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=
    done
    echo "wine_env: no Xvfb display could be started" >&2
    return 1
}

stop_xvfb() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
        xvfb_pid=
    fi
}

# Boots the prefix once (about 10 s), keeps one server running for all the
# processes that follow, so each starts in a fraction of a second (the
# caller's trap ends it with wineserver -k), and maps the window's font,
# which Wine lacks, to the IPA P Gothic that fonts-ipafont-gothic installs.
prepare_prefix() {
    if [ ! -f "$WINEPREFIX/system.reg" ]; then
        timeout 120 "$wine" wineboot -i >/dev/null 2>&1 || true
    fi
    # A server left from before (or from the boot) goes first, then ours stays.
    # A fresh prefix's boot may leave programs that keep its server up: end them.
    if ! timeout 60 wineserver -w; then
        wineserver -k 2>/dev/null || true
        timeout 30 wineserver -w || true
    fi
    wineserver -p
    local face
    for face in "MS PGothic" "ＭＳ Ｐゴシック"; do
        timeout 60 "$wine" reg add 'HKCU\Software\Wine\Fonts\Replacements' /v "$face" /d IPAPGothic /f \
            >/dev/null 2>&1
    done
    # There is no window manager on Xvfb. Windows Wine hands to one wait 2 s
    # for it on every hide; unmanaged, Wine draws their frame itself.
    timeout 60 "$wine" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
}

# Waits up to $1 tenths of a second for the command in the rest to succeed,
# while the program under test (pid in $running) still runs.
wait_for() {
    local tenths=$1
    shift
    local tick
    for tick in $(seq 1 "$tenths"); do
        "$@" && return 0
        kill -0 "$running" 2>/dev/null || return 1
        sleep 0.1
    done
    return 1
}
