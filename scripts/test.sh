#!/usr/bin/env bash
# Set-up, build, and run every test; then the logic's tests once more under the address and
# undefined-behaviour sanitizers, and every fuzz target briefly on its corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --parallel "$(nproc)" --timeout 120 | tee build/ctest.log
normal=$(sed -n 's/.*tests passed, 0 tests failed out of \([0-9]*\).*/\1/p' build/ctest.log | tail -1)
echo "== normal build and tests done (at ${SECONDS} s)"

# One clang build serves both: the logic and its tests with the sanitizers (the IRC bridge's
# too, since it reads a server's untrusted lines), and the fuzzers (which add coverage
# instrumentation on top). Window tests and benchmarks are left out.
build=build-san
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DQUILLO_SANITIZE=ON -DQUILLO_FUZZ=ON -DQUILLO_BUILD_UI_TESTS=OFF \
    -DQUILLO_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target quillo_core_tests quillo_irc_tests quillo_fuzzers
echo "== logic tests under AddressSanitizer and UndefinedBehaviorSanitizer (at ${SECONDS} s)"
"$build/tests/quillo_core_tests" --gtest_brief=1 | tee "$build/sanitized.log"
# The long listings on real servers wait out flood limits; the normal run has them already.
"$build/tests/quillo_irc_tests" --gtest_brief=1 --gtest_filter='-*SixtyLongLines*' \
    >"$build/sanitized-irc.log" 2>&1 ||
    { tail -n 60 "$build/sanitized-irc.log"; exit 1; }
tail -n 2 "$build/sanitized-irc.log"
passed() { sed -n 's/^\[  PASSED  \] \([0-9]*\) tests\?\..*/\1/p' "$1" | tail -1; }
sanitized=$(( $(passed "$build/sanitized.log") + $(passed "$build/sanitized-irc.log") ))
echo "== fuzz targets, ${QUILLO_FUZZ_SECONDS:-10} s each (at ${SECONDS} s)"
QUILLO_SANITIZE_BUILD="$build" bash fuzz/run-long "${QUILLO_FUZZ_SECONDS:-10}"
fuzzed=$(find fuzz/corpus -mindepth 1 -maxdepth 1 -type d | wc -l)
echo "== done in ${SECONDS} s: ${normal:-0} tests, ${sanitized:-0} sanitized logic and bridge tests, ${fuzzed} fuzz targets"
# Everything above stops the script on its first failure, so reaching here means all passed.
echo "$(( ${normal:-0} + ${sanitized:-0} + fuzzed )) passed, 0 failed"
