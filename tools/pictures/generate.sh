#!/usr/bin/env bash
# Regenerates assets/pictures from the scene descriptions in this folder.
# The output is deterministic (fixed seeds), so re-running changes nothing.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${BUILD_DIR:-/tmp/tolvek-pictures-build}
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" | grep -v "^\[" || true
QT_QPA_PLATFORM=offscreen "$build/tolvek-pictures" "$root/assets/pictures"
