#!/usr/bin/env bash
# Installs what is missing, builds, starts the app's services (notification
# service, weather gateway) and runs the app. Extra arguments go to the app.
# What this script starts, it stops when the app exits.
#   TOLVEK_WEATHER_PROVIDER=fixture|open-meteo   choose the weather (default: open-meteo
#                                                when reachable, else the canned fixture)
#   TOLVEK_FORECAST_URL=URL                      another Open-Meteo endpoint (self-hosted)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"
BUILD_DIR=$here/build "$here/scripts/build.sh"
build=$here/build

pids=()
cleanup() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  for p in "${pids[@]}"; do wait "$p" 2>/dev/null || true; done
}
trap cleanup EXIT
trap 'exit 130' INT TERM

# A session bus is needed for the notification service; start one if there is none.
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ]; then
  out=$(dbus-daemon --session --fork --print-address=1 --print-pid=1 --nopidfile)
  export DBUS_SESSION_BUS_ADDRESS=$(echo "$out" | sed -n 1p)
  pids+=("$(echo "$out" | sed -n 2p)")
fi

bus_has() {
  dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus \
    org.freedesktop.DBus.NameHasOwner "string:$1" 2>/dev/null | grep -q "boolean true"
}
if bus_has org.tolvek.NotificationService; then
  echo "run-app: a notification service already runs in this session; the app uses it"
else
  # The build puts the service next to the app, where the service also finds the app.
  "$build/tolvek-notifyd" &
  pids+=($!)
  for _ in $(seq 1 50); do bus_has org.tolvek.NotificationService && break; sleep 0.1; done
fi

# The real forecast provider when it answers, else canned weather (said once).
reachable() { # URL: can a connection to its host be made within 3 s?
  [[ $1 =~ ^(https?)://([^/:]+)(:([0-9]+))? ]] || return 1
  local port=${BASH_REMATCH[4]:-$([ "${BASH_REMATCH[1]}" = https ] && echo 443 || echo 80)}
  timeout 3 bash -c "exec 3<>/dev/tcp/${BASH_REMATCH[2]}/$port" 2>/dev/null
}
gateway=$build/services/weather-gateway/tolvek-weather-gateway
if (exec 3<>/dev/tcp/127.0.0.1/8787) 2>/dev/null; then
  echo "run-app: a weather gateway already answers on port 8787; the app uses it"
else
  forecast_url=${TOLVEK_FORECAST_URL:-https://api.open-meteo.com/v1/forecast}
  provider=${TOLVEK_WEATHER_PROVIDER:-}
  if [ -z "$provider" ]; then
    if reachable "$forecast_url"; then
      provider=open-meteo
    else
      provider=fixture
      echo "run-app: the forecast provider ($forecast_url) cannot be reached; showing canned weather"
    fi
  fi
  gateway_args=(--port 8787 --provider "$provider")
  [ -n "${TOLVEK_FORECAST_URL:-}" ] && gateway_args+=(--forecast-url "$TOLVEK_FORECAST_URL")
  "$gateway" "${gateway_args[@]}" &
  pids+=($!)
fi

if [ -z "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
  echo "run-app: no display found; running offscreen (set DISPLAY or WAYLAND_DISPLAY to see the window)"
  export QT_QPA_PLATFORM=offscreen
fi
"$build/tolvek-alarm" "$@"
