#!/usr/bin/env bash
# Set-up, build, and run every test; then the logic's tests once more under the address and
# undefined-behaviour sanitizers, and every fuzz target briefly on its corpus.
set -euo pipefail
cd "$(dirname "$0")/.."
bash scripts/setup.sh
export QT_QPA_PLATFORM=offscreen
ctest --test-dir build --output-on-failure --parallel "$(nproc)" --timeout 120
echo "== normal build and tests done (at ${SECONDS} s)"

# One clang build serves both: the logic and its tests with the sanitizers, and the fuzzers
# (which add coverage instrumentation on top). Window tests and benchmarks are left out.
build=build-san
CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug \
    -DQUILLO_SANITIZE=ON -DQUILLO_FUZZ=ON -DQUILLO_BUILD_UI_TESTS=OFF \
    -DQUILLO_BUILD_BENCH=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target quillo_core_tests quillo_fuzzers
echo "== logic tests under AddressSanitizer and UndefinedBehaviorSanitizer (at ${SECONDS} s)"
"$build/tests/quillo_core_tests" --gtest_brief=1
echo "== fuzz targets, ${QUILLO_FUZZ_SECONDS:-10} s each (at ${SECONDS} s)"
QUILLO_SANITIZE_BUILD="$build" bash fuzz/run-long "${QUILLO_FUZZ_SECONDS:-10}"
echo "== done in ${SECONDS} s"
