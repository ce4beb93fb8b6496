#!/usr/bin/env bash
# Sourced by the test and run scripts: starts a private session bus and a
# PulseAudio daemon (with its null sink when there is no sound card) unless
# they are already there, and stops what it started on exit.
tolvek_runtime=$(mktemp -d /tmp/tolvek-runtime.XXXXXX)
chmod 700 "$tolvek_runtime"
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR_OVERRIDE:-$tolvek_runtime}

tolvek_started_pulse=0
tolvek_started_bus=0
if [ -z "${DBUS_SESSION_BUS_ADDRESS:-}" ] || [ "${TOLVEK_PRIVATE_BUS:-1}" = 1 ]; then
  out=$(dbus-daemon --session --fork --print-address=1 --print-pid=1 --nopidfile)
  export DBUS_SESSION_BUS_ADDRESS=$(echo "$out" | sed -n 1p)
  DBUS_SESSION_BUS_PID=$(echo "$out" | sed -n 2p)
  tolvek_started_bus=1
fi

if ! pactl info >/dev/null 2>&1; then
  pulseaudio --daemonize=yes --exit-idle-time=-1 --disallow-exit -n \
    --load="module-null-sink sink_name=tolvek_null" \
    --load="module-native-protocol-unix" >/dev/null 2>&1 || true
  for _ in $(seq 1 50); do pactl info >/dev/null 2>&1 && break; sleep 0.1; done
  pactl set-default-sink tolvek_null >/dev/null 2>&1 || true
  tolvek_started_pulse=1
fi

tolvek_stop_services() {
  [ "$tolvek_started_pulse" = 1 ] && pulseaudio --kill >/dev/null 2>&1
  [ "$tolvek_started_bus" = 1 ] && [ -n "${DBUS_SESSION_BUS_PID:-}" ] && kill "$DBUS_SESSION_BUS_PID" 2>/dev/null
  rm -rf "$tolvek_runtime"
}
trap tolvek_stop_services EXIT
