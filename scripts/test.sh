#!/usr/bin/env bash
# Sets up the machine, builds everything with the sanitizers and runs every test.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

build=build/test
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DQORVAN_SANITIZE=ON
cmake --build "$build" --parallel "$(nproc)"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS=${ASAN_OPTIONS:-detect_leaks=1:abort_on_error=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}
ctest --test-dir "$build" --output-on-failure --parallel "$(nproc)"
