#!/usr/bin/env bash
# Regenerates assets/pictures/games (fixed seeds: re-running changes nothing).
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${BUILD_DIR:-/tmp/tolvek-game-pictures-build}
cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release >/dev/null
cmake --build "$build" | grep -v "^\[" || true
QT_QPA_PLATFORM=offscreen "$build/tolvek-game-pictures" "$root/assets/pictures/games"
