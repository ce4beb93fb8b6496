#!/usr/bin/env bash
# Renders every screen of the screenshot facility, tall and short, into OUTDIR:
#   screenshots.sh APP_BINARY OUTDIR
set -euo pipefail
app=$1
out=$2
mkdir -p "$out"
names="about more menu alert hud timeview"
for n in 1 2 3 4 5 6 7 8 9; do names="$names skin-$n skin-$n-blur"; done
for name in $names; do
  QT_QPA_PLATFORM=offscreen "$app" --screenshot "$name" "$out/$name.png" 2>/dev/null
  QT_QPA_PLATFORM=offscreen "$app" --screenshot "$name" "$out/$name-short.png" --short 2>/dev/null
done
