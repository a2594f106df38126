#!/usr/bin/env bash
# The demo: the window program on a desktop. Builds the Windows executables,
# starts the stand-in desktop under Wine with 60 icons and a taskbar, then
# starts Orbilux.exe on it and walks it through a first run as a user would:
# the welcome message, the main window over the desktop, the "Love" group,
# the heart (the first pick lays it out, the second moves the icons), a
# bigger heart; then puts the icons back from the layout that the first run
# saved. Uses a private Xvfb display, or $DISPLAY when it is set. Prints the
# screenshots' paths.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh demo

out=build/demo
rm -rf "$out" && mkdir -p "$out"
echo "Building the Windows executables (log: $out/build.log) ..."
{ cmake --preset windows && cmake --build --preset windows -j "${ORBILUX_JOBS:-2}"; } >"$out/build.log" 2>&1 ||
    { tail -30 "$out/build.log"; exit 1; }

source scripts/wine-env.sh
if [ -n "${DISPLAY:-}" ]; then export ORBILUX_USE_DISPLAY=1; fi
wine_env_start 1280 800

bin=build/windows/bin
windows_path() { echo "Z:$(realpath -m "$1" | sed 's|/|\\|g')"; }
ctl() { wine_run "$bin/orbiluxctl.exe" "$@" </dev/null >"$out/ctl.out" 2>"$out/ctl.err" || { cat "$out/ctl.err"; return 1; }; cat "$out/ctl.out"; }
screenshot() { sleep 1; import -window root -display "$DISPLAY" "$1"; }
# Orbilux.exe driven from outside, one step per argument (see tools/gui-driver/main.cpp).
orbilux() { wine_run "$bin/orbilux-driver.exe" "$(windows_path "$bin/Orbilux.exe")" -- "$@" </dev/null; }

# The stand-in behaves like today's Windows: it keeps its own record of the
# icons' places and lays them out from it at every refresh. Its shell view
# (test-only, registered in this throwaway prefix alone) is how Orbilux
# hands the new places to that record, as it does to Explorer's.
shell_windows='{9BA05972-F6A8-11CF-A442-00A0C90A8F39}'
standin_view='{97E912D9-59DD-4F5E-8A6D-8F264A9B0160}'
wine_run reg add "HKCR\\CLSID\\$standin_view\\InprocServer32" /ve /d "$(windows_path "$bin/standin-shellview.dll")" /f >/dev/null
wine_run reg add "HKCR\\CLSID\\$standin_view\\InprocServer32" /v ThreadingModel /d Both /f >/dev/null
wine_run reg add "HKCR\\CLSID\\$shell_windows\\TreatAs" /ve /d "$standin_view" /f >/dev/null

ready="$out/standin.ready"
wine_run "$bin/standin-desktop.exe" --icons 60 --taskbar 40 --modern-shell --ready-file "$(windows_path "$out")\\standin.ready" \
    </dev/null >"$out/standin.log" 2>&1 &
for _ in $(seq 1 300); do [ -f "$ready" ] && break; sleep 0.1; done
[ -f "$ready" ] || { echo "the stand-in desktop did not start (see $out/standin.log)"; exit 1; }
screenshot "$out/1-desktop.png"

echo "Starting Orbilux.exe for the first time, arranging the icons in a heart ..."
# Control ids: ui/control_ids.h (131 the group box, 132 the shape list,
# 150 "Increase size", 157 "Fit shape to screen size").
orbilux box window "shot:$(windows_path "$out/2-main-window.png")" \
    combo:131:Love "title:Orbilux - 4 shapes in Love" \
    line:132:Heart "title:Orbilux - 'Heart' shape from Love" line:132:Heart sleep:500 \
    "shot:$(windows_path "$out/3-heart.png")" \
    click:157 sleep:500 "shot:$(windows_path "$out/4-bigger-heart.png")" \
    minimize sleep:500 "shot:$(windows_path "$out/6-heart-whole.png")" exit
# Compressed, as docs/shape-page.png keeps it.
convert "$out/6-heart-whole.png" -strip -define png:compression-level=9 "$out/6-heart-whole.png"
echo "Layouts saved by the first run:"
ctl list
ctl restore newest
screenshot "$out/5-restored.png"

wine_env_stop
echo "Screenshots:"
echo "  $(realpath "$out/1-desktop.png")   the stand-in desktop"
echo "  $(realpath "$out/2-main-window.png")   Orbilux's main window over it"
echo "  $(realpath "$out/3-heart.png")   60 icons in a heart, picked on the shape page"
echo "  $(realpath "$out/4-bigger-heart.png")   fitted to seven eighths of the screen"
echo "  $(realpath "$out/5-restored.png")   after restoring the layout the first run saved"
echo "  $(realpath "$out/6-heart-whole.png")   the bigger heart whole, with the window minimised (docs/shape-page.png)"
