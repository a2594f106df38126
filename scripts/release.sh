#!/usr/bin/env bash
# Builds the Windows release into build/release/release/: the per-user setup
# program Orbilux-<version>-Setup.exe and the portable
# Orbilux-<version>-Windows.zip, made from the same files. No tests are
# built; arguments go to CMake, e.g.
#   scripts/release.sh -DORBILUX_WEB_HOME=https://orbilux.org
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh release
cmake --preset windows -B build/release -DORBILUX_BUILD_TESTS=OFF "$@" >/dev/null
cmake --build build/release -j "${ORBILUX_JOBS:-2}" --target package | grep -E '^CPack: - package|Building .*Setup\.exe' || true
# Both or neither: a release with only one of them is not one.
shopt -s nullglob
files=(build/release/release/Orbilux-*-Setup.exe build/release/release/Orbilux-*-Windows.zip)
[ ${#files[@]} -eq 2 ] || { echo "release: expected a setup program and a zip, found: ${files[*]}" >&2; exit 1; }
ls -l "${files[@]}"
