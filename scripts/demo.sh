#!/usr/bin/env bash
# The demo: icons arranged in a heart. Builds the Windows executables, starts
# the stand-in desktop under Wine with 60 icons, saves their layout, arranges
# them on the bundled heart with orbiluxctl, takes a screenshot, then puts
# the icons back from the saved layout and takes another. Uses a private
# Xvfb display, or $DISPLAY when it is set. Prints the screenshots' paths.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh demo

out=build/demo
mkdir -p "$out"
echo "Building the Windows executables (log: $out/build.log) ..."
{ cmake --preset windows && cmake --build --preset windows -j "${ORBILUX_JOBS:-2}"; } >"$out/build.log" 2>&1 ||
    { tail -30 "$out/build.log"; exit 1; }

source scripts/wine-env.sh
if [ -n "${DISPLAY:-}" ]; then export ORBILUX_USE_DISPLAY=1; fi
wine_env_start 1280 800

bin=build/windows/bin
windows_path() { echo "Z:$(realpath "$1" | sed 's|/|\\|g')"; }
ctl() { wine_run "$bin/orbiluxctl.exe" "$@" </dev/null >"$out/ctl.out" 2>"$out/ctl.err" || { cat "$out/ctl.err"; return 1; }; cat "$out/ctl.out"; }
screenshot() { sleep 1; import -window root -display "$DISPLAY" "$1"; }

ready="$out/standin.ready"
rm -f "$ready"
wine_run "$bin/standin-desktop.exe" --icons 60 --ready-file "$(windows_path "$out")\\standin.ready" \
    </dev/null >"$out/standin.log" 2>&1 &
for _ in $(seq 1 300); do [ -f "$ready" ] && break; sleep 0.1; done
[ -f "$ready" ] || { echo "the stand-in desktop did not start (see $out/standin.log)"; exit 1; }
screenshot "$out/1-desktop.png"

echo "Desktop icons: $(ctl count)"
layout=$(ctl save --description "Before the heart")
echo "Saved the layout as $layout"
ctl arrange "$(windows_path "$bin/Shapes/Love/Heart.shp")" >"$out/arrange.txt"
head -2 "$out/arrange.txt"
screenshot "$out/2-heart.png"
ctl restore "$layout"
screenshot "$out/3-restored.png"

wine_env_stop
echo "Screenshots:"
echo "  $(realpath "$out/1-desktop.png")   the stand-in desktop"
echo "  $(realpath "$out/3-restored.png")   after restoring the saved layout"
echo "  $(realpath "$out/2-heart.png")   60 icons in a heart"
