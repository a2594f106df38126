#!/usr/bin/env bash
# The measurements: the engine's hot path with Google Benchmark (native), and
# the bridge and the layout store against the stand-in desktop under Wine.
# Figures only; nothing here passes or fails.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test
out=build/bench
mkdir -p "$out"
{ cmake --preset native && cmake --build --preset native -j "${ORBILUX_JOBS:-2}" &&
  cmake --preset windows && cmake --build --preset windows -j "${ORBILUX_JOBS:-2}"; } >"$out/build.log" 2>&1 ||
    { tail -30 "$out/build.log"; exit 1; }

echo "== engine (native, Google Benchmark)"
build/native/bin/orbilux_engine_bench --benchmark_repetitions=5 --benchmark_report_aggregates_only=true

echo "== desktop bridge and layout store (Wine, stand-in desktop)"
source scripts/wine-env.sh
wine_env_start
wine_run build/windows/bin/orbilux_wine_bench.exe </dev/null >"$out/wine-bench.txt" 2>&1 || true
wine_run build/windows/bin/orbilux_app_bench.exe </dev/null >"$out/app-bench.txt" 2>&1 || true
wine_env_stop
cat "$out/wine-bench.txt"
echo "== Orbilux.exe start-up (Wine, stand-in desktop, prefix booted)"
cat "$out/app-bench.txt"
