#!/usr/bin/env bash
# Sets up the machine, builds the programs and opens the window on the sample version directory.
#   scripts/run.sh [DIR]           the window qorvan-vars, querying DIR (default examples/MirServer)
#   scripts/run.sh --scan [ARGS]   the command-line scanner qorvan-scan (default examples/MirServer)
# Without a display the window cannot open; the scan of DIR is printed instead.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh

build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DQORVAN_BUILD_TESTS=OFF
cmake --build "$build" --parallel "$(nproc)"

scan=false
if [ "${1:-}" = "--scan" ]; then
  scan=true
  shift
fi
[ $# -gt 0 ] || set -- examples/MirServer
if ! $scan && [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display (neither DISPLAY nor WAYLAND_DISPLAY is set): printing the scan instead of opening the window." >&2
  scan=true
fi
if $scan; then
  exec "$build/cli/qorvan-scan" "$@"
fi
exec "$build/ui/qorvan-vars" "$@"
