#!/usr/bin/env bash
# Installs what building and testing Orbilux needs on Debian, only when it is
# missing. Usage: scripts/install-deps.sh [test|demo|fuzz]...
set -euo pipefail

need=()
want() {  # want PACKAGE CHECK...: queue PACKAGE when any check fails
    local package=$1; shift
    for check in "$@"; do
        if ! eval "$check" >/dev/null 2>&1; then need+=("$package"); return; fi
    done
}

base() {
    want cmake "command -v cmake"
    want ninja-build "command -v ninja"
    want g++ "command -v g++"
    want googletest "test -f /usr/src/googletest/CMakeLists.txt"
    want libgtest-dev "test -f /usr/include/gtest/gtest.h"
    want libbenchmark-dev "test -f /usr/include/benchmark/benchmark.h"
    want g++-mingw-w64-x86-64-posix "command -v x86_64-w64-mingw32-g++-posix"
    want gcc-mingw-w64-x86-64-posix "command -v x86_64-w64-mingw32-gcc-posix"
    want binutils-mingw-w64-x86-64 "command -v x86_64-w64-mingw32-windres"
    want wine64 "test -x /usr/lib/wine/wine64"
    want xvfb "command -v Xvfb"
    want x11-utils "command -v xprop"
    want nsis "command -v makensis"  # the setup program is part of the Windows build
}

for mode in "${@:-test}"; do
    case "$mode" in
    test | release) base ;;
    demo)
        base
        want imagemagick "command -v import"  # the demo calls import, and other programs named convert exist
        ;;
    fuzz)
        base
        want clang "command -v clang++"
        want libclang-rt-dev "ls /usr/lib/llvm-*/lib/clang/*/lib/linux/libclang_rt.fuzzer-x86_64.a"
        ;;
    *) echo "install-deps: unknown mode $mode" >&2; exit 2 ;;
    esac
done

if [ ${#need[@]} -gt 0 ]; then
    # shellcheck disable=SC2207
    need=($(printf '%s\n' "${need[@]}" | sort -u))
    echo "Installing: ${need[*]}"
    sudo=""
    if [ "$(id -u)" -ne 0 ]; then
        command -v sudo >/dev/null || { echo "install-deps: run as root or install: ${need[*]}" >&2; exit 1; }
        sudo=sudo
    fi
    export DEBIAN_FRONTEND=noninteractive
    $sudo apt-get update -qq
    $sudo apt-get install -y -qq --no-install-recommends "${need[@]}" >/dev/null
fi
