#!/usr/bin/env bash
# Sets up the machine, builds the programs and scans the sample version directory.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQORVAN_BUILD_TESTS=OFF
cmake --build "$build" --parallel "$(nproc)"
[ $# -gt 0 ] || set -- examples/MirServer
"$build/cli/qorvan-scan" "$@"
