#!/usr/bin/env bash
# render-screenshots.sh APP METAINFO OUTDIR: renders every screenshot the
# metainfo lists (its file name is the screenshot facility's NAME) with
# `APP --screenshot NAME`, ready to publish at TOLVEK_SCREENSHOT_URL.
set -euo pipefail
app=$1 metainfo=$2 out=$3
mkdir -p "$out"
names=$(grep -o '/[^/<]*\.png</image>' "$metainfo" | sed 's|^/||; s|\.png</image>$||')
[ -n "$names" ] || { echo "render-screenshots: no screenshots in $metainfo" >&2; exit 1; }
for name in $names; do
  QT_QPA_PLATFORM=offscreen "$app" --screenshot "$name" "$out/$name.png" >/dev/null 2>&1 \
    || { echo "render-screenshots: the app cannot render '$name'" >&2; exit 1; }
  echo "$out/$name.png"
done
