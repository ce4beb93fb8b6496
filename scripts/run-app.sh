#!/usr/bin/env bash
# Installs what is missing, builds, starts the app's services (notification
# service, weather gateway) and runs the app. Extra arguments go to the app.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
BUILD_DIR=$here/build "$here/scripts/build.sh"
build=$here/build

pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; }
trap cleanup EXIT

# A session bus is needed for the notification service; start one if there is none.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
  out=$(dbus-daemon --session --fork --print-address=1 --print-pid=1 --nopidfile)
  export DBUS_SESSION_BUS_ADDRESS=$(echo "$out" | sed -n 1p)
  pids+=("$(echo "$out" | sed -n 2p)")
fi

notifyd=$build/services/notifyd/tolvek-notifyd
if [ -x "$notifyd" ]; then
  TOLVEK_ALARM_BINARY=$build/tolvek-alarm "$notifyd" &
  pids+=($!)
fi
gateway=$build/services/weather-gateway/tolvek-weather-gateway
if [ -x "$gateway" ] && ! (exec 3<>/dev/tcp/127.0.0.1/8787) 2>/dev/null; then
  "$gateway" --port 8787 --provider "${TOLVEK_WEATHER_PROVIDER:-open-meteo}" &
  pids+=($!)
fi

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "run-app: no display found; running offscreen (set DISPLAY or WAYLAND_DISPLAY to see the window)"
  export QT_QPA_PLATFORM=offscreen
fi
"$build/tolvek-alarm" "$@"
