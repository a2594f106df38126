#!/usr/bin/env bash
# Builds both targets and runs every test: the native unit tests, the same
# tests under AddressSanitizer + UndefinedBehaviorSanitizer, and the Windows
# unit and integration tests under Wine on a private Xvfb display.
# The last line is the summary "N passed, N failed".
set -uo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh test || exit 1
source scripts/wine-env.sh

results=build/test-results
rm -rf "$results" && mkdir -p "$results"
total_passed=0
total_failed=0
jobs=${ORBILUX_JOBS:-2}

build() {  # build PRESET
    echo "== build $1"
    if ! { cmake --preset "$1" >"$results/configure-$1.log" 2>&1 && \
           cmake --build --preset "$1" -j "$jobs" >"$results/build-$1.log" 2>&1; }; then
        tail -40 "$results/configure-$1.log" "$results/build-$1.log"
        echo "build of $1 failed"
        total_failed=$((total_failed + 1))
        return 1
    fi
}

run_suite() {  # run_suite NAME COMMAND...: a GoogleTest binary with an XML report
    local name=$1; shift
    local xml="$results/$name.xml"
    echo "== $name"
    local start=$SECONDS
    "$@" --gtest_output="xml:$xml" >"$results/$name.log" 2>&1
    local status=$?
    local counts passed failed
    counts=$(awk -f scripts/count-gtest-results.awk "$xml" 2>/dev/null || echo "0 0")
    read -r passed failed <<<"$counts"
    if [ "$status" -ne 0 ] && [ "$failed" -eq 0 ]; then
        failed=1  # the binary crashed or could not write its report
        echo "   $name exited with status $status"
    fi
    grep -E '^\[  FAILED  \]' "$results/$name.log" | sort -u | head -40
    # What failed and where, so a CI log alone tells the story.
    grep -A4 -E '(: Failure$|^unknown file: Failure)' "$results/$name.log" | head -60
    echo "   $passed passed, $failed failed ($((SECONDS - start)) s)"
    total_passed=$((total_passed + passed))
    total_failed=$((total_failed + failed))
}

if build native; then
    run_suite native-unit build/native/bin/orbilux_unit_tests
fi
if build asan; then
    ASAN_OPTIONS=detect_leaks=1 UBSAN_OPTIONS=print_stacktrace=1 \
        run_suite asan-unit build/asan/bin/orbilux_unit_tests
fi
if build windows; then
    wine_env_start
    # The stories of the window program save their screenshots here.
    mkdir -p "$results/screenshots"
    export ORBILUX_SCREENSHOTS="Z:$(realpath "$results/screenshots" | sed 's|/|\\|g')"
    run_suite windows-unit wine_run build/windows/bin/orbilux_unit_tests.exe
    run_suite wine-integration wine_run build/windows/bin/orbilux_wine_tests.exe
    wine_env_stop
fi

echo "$total_passed passed, $total_failed failed"
[ "$total_failed" -eq 0 ]
