#!/usr/bin/env bash
# Runs every benchmark under benchmarks/ (installing what is missing, GNOME
# Clocks included, and building what is out of date) and prints one table:
# figure, value, target, met or not. Benchmarks print figures and never decide
# a test run. Each program's own output: <build>/benchmark-logs/<program>.log
#   BENCHMARKS="bench_core bench_ui"   runs only these programs
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build}
logs=$build/benchmark-logs

"$here/scripts/install-deps.sh" --benchmarks
export CCACHE_BASEDIR=$here CCACHE_NOHASHDIR=true
[ -f "$build/build.ninja" ] || cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
programs=${BENCHMARKS:-$(cmake --build "$build" --target help | grep -o '^bench_[a-z_]*' | grep -v '_autogen' | sort -u | tr '\n' ' ')}
# shellcheck disable=SC2086
cmake --build "$build" -j "${JOBS:-$(nproc)}" --target $programs

source "$here/scripts/session-services.sh"
export QT_QPA_PLATFORM=offscreen LANG=C.UTF-8 LC_ALL=C.UTF-8
mkdir -p "$logs"
for program in $programs; do
  binary=$(find "$build/benchmarks" -type f -name "$program" -perm -u+x | head -n 1)
  echo "benchmarks: running $program" >&2
  status=0
  (cd "$logs" && BENCH_PICTURES_DIR=$logs "$binary") >"$logs/$program.log" 2>&1 || status=$?
  [ "$status" = 0 ] || echo "FIGURE|$program|failed (exit $status)|runs to the end|missed" >>"$logs/$program.log"
done

# One table of every FIGURE line, columns as wide as their widest entry.
for program in $programs; do grep -h '^FIGURE|' "$logs/$program.log" || true; done | awk -F'|' '
  { rows[NR] = $0; for (i = 2; i <= 5; i++) if (length($i) > w[i]) w[i] = length($i) }
  END {
    head[2] = "Figure"; head[3] = "Value"; head[4] = "Target"; head[5] = "Met"
    for (i = 2; i <= 5; i++) if (length(head[i]) > w[i]) w[i] = length(head[i])
    fmt = "%-" w[2] "s | %-" w[3] "s | %-" w[4] "s | %s\n"
    printf fmt, head[2], head[3], head[4], head[5]
    line = sprintf("%" (w[2] + w[3] + w[4] + 15) "s", ""); gsub(/ /, "-", line); print line
    for (r = 1; r <= NR; r++) { split(rows[r], f, "|"); printf fmt, f[2], f[3], f[4], f[5] }
  }'
