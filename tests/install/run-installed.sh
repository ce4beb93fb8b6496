#!/usr/bin/env bash
# run-installed.sh STAGE ROOT PREFIX BINDIR DATADIR — run by check-installed.sh
# (with the build and source folders hidden): the installed app's self-test,
# then the installed service, started by its installed activation file on a
# private session bus, delivering to the running installed app and starting
# the installed app itself when none runs.
set -euo pipefail
stage=$1 root=$2 prefix=$3 bindir=$4 datadir=$5
bin=$root/$bindir
fail() { echo "FAIL  $*"; [ -f "$stage/monitor.log" ] && tail -n 40 "$stage/monitor.log"; exit 1; }
ok() { echo "ok    $*"; }

home=$stage/home
mkdir -p "$home/config" "$home/data" "$home/cache" "$home/run" "$stage/bus/services"
chmod 700 "$home/run"
export XDG_CONFIG_HOME=$home/config XDG_DATA_HOME=$home/data XDG_CACHE_HOME=$home/cache XDG_RUNTIME_DIR=$home/run
export QT_QPA_PLATFORM=offscreen DBUS_SYSTEM_BUS_ADDRESS=unix:path=/nonexistent
unset TOLVEK_ALARM_BINARY TOLVEK_SOURCE_DIR

ldd "$bin/tolvek-alarm" "$bin/tolvek-notifyd" | grep -q "not found" && fail "an installed program misses a library"
"$bin/tolvek-alarm" --self-test >"$stage/self-test.log" 2>&1 || { cat "$stage/self-test.log"; fail "installed self-test"; }
ok "installed app passes its self-test"
shots=$(bash "$stage/render-screenshots.sh" "$bin/tolvek-alarm" "$root/$datadir/metainfo/org.tolvek.Alarm.metainfo.xml" \
        "$stage/screenshots") || fail "the metainfo's screenshots"
for png in $shots; do
  file -b "$png" | grep -q "PNG image data, 640 x 1136" || fail "$png: $(file -b "$png")"
done
ok "the installed app renders the metainfo's $(echo "$shots" | wc -l) screenshots"

# A private session bus whose activation folder holds the installed activation file, pointed at the stage.
sed "s|^Exec=$prefix/|Exec=$root/|" "$root/$datadir/dbus-1/services/org.tolvek.NotificationService.service" \
  >"$stage/bus/services/org.tolvek.NotificationService.service"
cat >"$stage/bus/session.conf" <<CONF
<busconfig><type>session</type><listen>unix:tmpdir=$stage/bus</listen>
<servicedir>$stage/bus/services</servicedir>
<policy context="default"><allow send_destination="*" eavesdrop="true"/><allow eavesdrop="true"/><allow own="*"/></policy>
</busconfig>
CONF
out=$(dbus-daemon --config-file="$stage/bus/session.conf" --fork --print-address=1 --print-pid=1)
export DBUS_SESSION_BUS_ADDRESS=$(echo "$out" | sed -n 1p)
pids=("$(echo "$out" | sed -n 2p)")
stop() {
  for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
  [ -n "${service_pid:-}" ] && kill "$service_pid" 2>/dev/null || true
  [ -n "${started_app_pid:-}" ] && kill "$started_app_pid" 2>/dev/null || true
  return 0
}
trap stop EXIT

bus() { dbus-send --session --print-reply --dest=org.freedesktop.DBus /org/freedesktop/DBus "org.freedesktop.DBus.$@"; }
owner_pid() { bus GetConnectionUnixProcessID "string:$1" 2>/dev/null | awk '/uint32/ {print $2}'; }
wait_owner() { # NAME SECONDS
  for _ in $(seq 1 $(($2 * 10))); do [ -n "$(owner_pid "$1")" ] && return 0; sleep 0.1; done
  return 1
}
service() { dbus-send --session --print-reply --dest=org.tolvek.NotificationService /org/tolvek/NotificationService "$@"; }
schedule_in() { # SECONDS BODY
  local fire
  fire=$(date -u -d "+$1 seconds" +%Y-%m-%dT%H:%M:%S.000Z)
  service org.tolvek.NotificationService.Schedule "string:{\"\$class\":\"LocalNotification\",\"alertAction\":\"Rock & Roll\",\"alertBody\":\"$2\",\"fireDate\":{\"\$date\":\"$fire\"},\"repeatCalendar\":\"gregorian\",\"repeatInterval\":0,\"soundName\":\"Airship.mp3\",\"timeZone\":\"Etc/UTC\"}" \
    | grep -q "boolean true" || fail "the service refused a notification"
}

dbus-monitor --session "type='method_call',interface='org.tolvek.Alarm'" >"$stage/monitor.log" 2>&1 &
pids+=($!)

# The installed app starts the installed service through the activation file.
"$bin/tolvek-alarm" >"$stage/app.log" 2>&1 &
pids+=($!)
wait_owner org.tolvek.Alarm 20 || fail "the installed app did not take its bus name"
wait_owner org.tolvek.NotificationService 20 || fail "the installed service was not started by its activation file"
service_pid=$(owner_pid org.tolvek.NotificationService)
[ "$(readlink "/proc/$service_pid/exe")" = "$bin/tolvek-notifyd" ] || fail "the service runs from $(readlink "/proc/$service_pid/exe")"
ok "the installed app started the installed service ($bin/tolvek-notifyd)"

wakes=$(service org.freedesktop.DBus.Properties.Get string:org.tolvek.NotificationService string:WakesFromSuspend \
        | awk '/boolean/ {print $3}')
if [ "$(id -u)" = 0 ]; then expected_wake=true; else expected_wake=false; fi
[ "$wakes" = "$expected_wake" ] || fail "WakesFromSuspend is '$wakes', expected $expected_wake for uid $(id -u)"
ok "the service says it wakes the machine from suspend: $wakes"

schedule_in 2 "Installed delivery"
for _ in $(seq 1 100); do grep -q "Installed delivery" "$stage/monitor.log" && break; sleep 0.1; done
grep -q "member=DeliverNotification" "$stage/monitor.log" && grep -q "Installed delivery" "$stage/monitor.log" \
  || fail "the service did not deliver the notification to the running app"
ok "the installed service delivered a notification to the running installed app"

# The launcher's "New alarm" while the app runs: the second start hands it over and exits.
"$bin/tolvek-alarm" --new-alarm >"$stage/second-start.log" 2>&1 || fail "a second start for a new alarm failed"
grep -q "member=NewAlarm" "$stage/monitor.log" || fail "the running app was not asked for a new alarm"
ok "the desktop entry's New alarm reaches the running installed app"

# With no app on the bus, the service starts the installed app next to it.
app_pid=$(owner_pid org.tolvek.Alarm)
kill "$app_pid"
for _ in $(seq 1 100); do [ -z "$(owner_pid org.tolvek.Alarm)" ] && break; sleep 0.1; done
schedule_in 2 "Started by the service"
wait_owner org.tolvek.Alarm 20 || fail "the service did not start the app"
started_app_pid=$(owner_pid org.tolvek.Alarm)
[ "$(readlink "/proc/$started_app_pid/exe")" = "$bin/tolvek-alarm" ] \
  || fail "the service started $(readlink "/proc/$started_app_pid/exe")"
tr '\0' ' ' <"/proc/$started_app_pid/cmdline" | grep -q -- "--launch-notification .*Started by the service" \
  || fail "the started app did not get its notification: $(tr '\0' ' ' <"/proc/$started_app_pid/cmdline")"
ok "the installed service started the installed app with its notification"
