#!/usr/bin/env bash
# check-installed.sh BUILD SOURCE PREFIX BINDIR DATADIR
# Installs BUILD into a temporary DESTDIR and checks the installed tree.
set -euo pipefail
build=$1 source=$2 prefix=$3 bindir=$4 datadir=$5
here=$(cd "$(dirname "$0")" && pwd)
stage=$(mktemp -d /tmp/tolvek-installed.XXXXXX)
trap 'rm -rf "$stage"' EXIT
fail() { echo "FAIL  $*"; exit 1; }
ok() { echo "ok    $*"; }

DESTDIR=$stage cmake --install "$build" >"$stage/install.log" || { cat "$stage/install.log"; fail "cmake --install"; }
root=$stage$prefix

# What a user, a launcher, a software centre, D-Bus and systemd look for.
expected=(
  "$bindir/tolvek-alarm" "$bindir/tolvekctl" "$bindir/tolvek-notifyd" "$bindir/tolvek-weather-gateway"
  "$datadir/applications/org.tolvek.Alarm.desktop"
  "$datadir/metainfo/org.tolvek.Alarm.metainfo.xml"
  "$datadir/icons/hicolor/scalable/apps/org.tolvek.Alarm.svg"
  "$datadir/dbus-1/services/org.tolvek.NotificationService.service"
  "$datadir/systemd/user/tolvek-notifyd.service"
  "$datadir/systemd/user/tolvek-weather-gateway.service"
  "$datadir/doc/tolvek-alarm/copyright"
)
for size in 16 24 32 48 64 128 256 512; do
  expected+=("$datadir/icons/hicolor/${size}x${size}/apps/org.tolvek.Alarm.png")
done
for f in "${expected[@]}"; do
  [ -s "$root/$f" ] || fail "not installed: $prefix/$f"
done
autostart=$(find "$stage" -path '*/autostart/tolvek-notifyd.desktop' | head -1)
[ -n "$autostart" ] || fail "autostart entry not installed"
ok "${#expected[@]} files and the autostart entry installed"

for size in 16 48 256; do
  png=$root/$datadir/icons/hicolor/${size}x${size}/apps/org.tolvek.Alarm.png
  file -b "$png" | grep -q "PNG image data, $size x $size" || fail "icon $size: $(file -b "$png")"
done
ok "icons are PNGs of their sizes"

desktop-file-validate "$root/$datadir/applications/org.tolvek.Alarm.desktop" || fail "desktop entry does not validate"
desktop-file-validate "$autostart" || fail "autostart entry does not validate"
grep -qx "Exec=$prefix/$bindir/tolvek-alarm --new-alarm" "$root/$datadir/applications/org.tolvek.Alarm.desktop" \
  || fail "the New alarm action does not start the installed app"
ok "desktop entries validate"
appstreamcli validate --no-net --explain "$root/$datadir/metainfo/org.tolvek.Alarm.metainfo.xml" \
  || fail "metainfo does not validate"
ok "metainfo validates"

# The configured files name the installed programs; the test runs them from the stage.
for f in "$root/$datadir/dbus-1/services/org.tolvek.NotificationService.service" \
         "$root/$datadir/systemd/user/tolvek-notifyd.service"; do
  grep -q "^Exec.*=$prefix/$bindir/tolvek-notifyd\$" "$f" || fail "$f does not start $prefix/$bindir/tolvek-notifyd"
done
ok "activation file and unit start the installed service"

cp "$here/run-installed.sh" "$here/../../dist/render-screenshots.sh" "$stage/"
runner=(bash "$stage/run-installed.sh" "$stage" "$root" "$prefix" "$bindir" "$datadir")
# Hide the build and source folders from everything the installed programs do.
if unshare --mount true 2>/dev/null; then
  unshare --mount -- bash -c 'mount -t tmpfs none "$1" && mount -t tmpfs none "$2" && shift 2 && exec "$@"' \
    hide "$build" "$source" "${runner[@]}"
else
  echo "note  cannot hide the build folder here (no mount namespace); running the installed tree beside it"
  "${runner[@]}"
fi
