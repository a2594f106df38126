# Sourced by the test and demo scripts: a private Wine environment on a
# private Xvfb display, torn down by wine_env_stop (and on exit).
#   wine_env_start [W H]  starts Xvfb (unless ORBILUX_USE_DISPLAY=1 and $DISPLAY is set)
#                    and boots a throwaway WINEPREFIX; the work area leaves a
#                    40-pixel taskbar at the bottom, as the stand-in desktop's is
#   wine_run ARGS    runs a Windows program in it
#   wine_env_stop    ends every process of the prefix, Xvfb and removes the folders

WINE64=${WINE64:-/usr/lib/wine/wine64}
WINESERVER=${WINESERVER:-/usr/lib/wine/wineserver}
ORBILUX_XVFB_PID=""
ORBILUX_WINE_ROOT=""

wine_env_start() {
    local width=${1:-1280} height=${2:-1024}
    ORBILUX_WINE_ROOT=$(mktemp -d /tmp/orbilux-wine.XXXXXX)
    if [ "${ORBILUX_USE_DISPLAY:-0}" = 1 ] && [ -n "${DISPLAY:-}" ]; then
        echo "wine-env: using display $DISPLAY"
    else
        local n
        for n in $(seq 91 190); do
            [ -e "/tmp/.X${n}-lock" ] || [ -e "/tmp/.X11-unix/X${n}" ] || break
        done
        # -noreset: the root window's properties (the work area below) must
        # outlive the moments when no client is connected.
        Xvfb ":$n" -screen 0 "${width}x${height}x24" -nolisten tcp -noreset >/dev/null 2>&1 &
        ORBILUX_XVFB_PID=$!
        export DISPLAY=":$n"
        local i
        for i in $(seq 1 50); do
            [ -e "/tmp/.X11-unix/X${n}" ] && break
            sleep 0.1
        done
        # Wine takes the work area from the root window, as a window manager
        # with a taskbar would publish it; without it the work area would be
        # the whole screen, and windows placed in its corner would sit under
        # the stand-in desktop's taskbar.
        for i in $(seq 1 50); do xprop -root >/dev/null 2>&1 && break; sleep 0.1; done
        xprop -root -f _NET_WORKAREA 32c -set _NET_WORKAREA "0, 0, $width, $((height - 40))"
        xprop -root -f _NET_SUPPORTED 32a -set _NET_SUPPORTED "_NET_WORKAREA"
    fi
    export WINEPREFIX="$ORBILUX_WINE_ROOT/prefix"
    export HOME="$ORBILUX_WINE_ROOT/home"  # Wine links Documents and Desktop into $HOME
    export WINEDEBUG=-all
    export WINEDLLOVERRIDES="mscoree,mshtml="  # never offer to install Mono or Gecko
    mkdir -p "$HOME"
    "$WINE64" wineboot -i >/dev/null 2>&1 || true
    "$WINESERVER" -w
    # No window manager runs on the private display: let Wine place and
    # decorate the windows itself. Managed windows would wait up to two
    # seconds for a window manager's answer every time one is hidden (each
    # message box, each minimise).
    "$WINE64" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1 || true
    # Keep one wineserver for the whole run instead of one per program.
    "$WINESERVER" -p >/dev/null 2>&1 || true
    trap wine_env_stop EXIT
}

wine_run() {
    "$WINE64" "$@"
}

wine_env_stop() {
    if [ -n "${WINEPREFIX:-}" ]; then "$WINESERVER" -k >/dev/null 2>&1 || true; fi
    if [ -n "$ORBILUX_XVFB_PID" ]; then
        kill "$ORBILUX_XVFB_PID" 2>/dev/null || true
        wait "$ORBILUX_XVFB_PID" 2>/dev/null || true
        ORBILUX_XVFB_PID=""
    fi
    if [ -n "$ORBILUX_WINE_ROOT" ]; then
        rm -rf "$ORBILUX_WINE_ROOT"
        ORBILUX_WINE_ROOT=""
    fi
}
