#!/usr/bin/env bash
# Regenerates assets/pictures from the scene descriptions in this folder.
# The output is deterministic (fixed seeds), so re-running changes nothing.
# Built in the project's build folder (BUILD_DIR, default build/), which is
# configured first if it is not yet.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
build=${BUILD_DIR:-$root/build}
[ -f "$build/CMakeCache.txt" ] || cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target tolvek-pictures
QT_QPA_PLATFORM=offscreen "$build/tools/pictures/tolvek-pictures" "$root/assets/pictures"
