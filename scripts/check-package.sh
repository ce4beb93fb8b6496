#!/usr/bin/env bash
# check-package.sh PACKAGE.deb (root): installs the package as a user would,
# checks what its scripts did (service enabled for every user, wake-from-suspend
# capability), runs its service, removes the package and checks that no
# service is left running. Leaves the machine without the package.
set -euo pipefail
deb=$(realpath "$1")
[ "$(id -u)" = 0 ] || { echo "check-package: needs root"; exit 2; }
fail() { echo "FAIL  $*"; exit 1; }
ok() { echo "ok    $*"; }
export DEBIAN_FRONTEND=noninteractive

apt-get install -y -qq --no-install-recommends "$deb" >/tmp/tolvek-package-install.log 2>&1 \
  || { cat /tmp/tolvek-package-install.log; fail "apt-get install"; }
work=$(mktemp -d /tmp/tolvek-package.XXXXXX)
bus_pid=
finish() {
  [ -n "$bus_pid" ] && kill "$bus_pid" 2>/dev/null
  dpkg -s tolvek-alarm >/dev/null 2>&1 && apt-get purge -y -qq tolvek-alarm >/dev/null 2>&1
  rm -rf "$work"
}
trap finish EXIT

for f in /usr/bin/tolvek-alarm /usr/share/applications/org.tolvek.Alarm.desktop /etc/xdg/autostart/tolvek-notifyd.desktop; do
  [ -e "$f" ] || fail "not installed: $f"
done
[ -L /etc/systemd/user/default.target.wants/tolvek-notifyd.service ] || fail "the service is not enabled for users"
ok "installed; the notification service is enabled for every user's session"
if command -v getcap >/dev/null; then
  getcap /usr/bin/tolvek-notifyd | grep -q cap_wake_alarm || fail "tolvek-notifyd has no CAP_WAKE_ALARM"
  ok "tolvek-notifyd may wake the machine: $(getcap /usr/bin/tolvek-notifyd)"
fi

# A session as the installed files make it: the bus activates the installed service.
out=$(env -i PATH=/usr/bin:/bin HOME="$work" XDG_DATA_HOME="$work/data" XDG_CONFIG_HOME="$work/config" \
        QT_QPA_PLATFORM=offscreen DBUS_SYSTEM_BUS_ADDRESS=unix:path=/nonexistent \
        dbus-daemon --session --fork --print-address=1 --print-pid=1 --nopidfile)
export DBUS_SESSION_BUS_ADDRESS=$(echo "$out" | sed -n 1p)
bus_pid=$(echo "$out" | sed -n 2p)
dbus-send --session --print-reply --dest=org.tolvek.NotificationService /org/tolvek/NotificationService \
  org.tolvek.NotificationService.Pending >/dev/null || fail "the installed service does not answer"
service_running() {
  for exe in /proc/[0-9]*/exe; do
    case "$(readlink "$exe" 2>/dev/null)" in /usr/bin/tolvek-notifyd*) return 0 ;; esac
  done
  return 1
}
service_running || fail "no installed service runs"
ok "the bus started the installed service"

apt-get remove -y -qq tolvek-alarm >/dev/null 2>&1 || fail "apt-get remove"
service_running && fail "a notification service still runs after apt remove"
[ -e /etc/systemd/user/default.target.wants/tolvek-notifyd.service ] && fail "the service is still enabled"
ok "apt remove stopped the service and disabled it"
