#!/usr/bin/env bash
# Makes the Debian package from an existing build (BUILD_DIR, default build)
# without compiling again: sets the build's install prefix to /usr, runs CPack
# and checks the package with lintian (errors fail). Prints the package's path.
# With TOLVEK_PACKAGE_INSTALL_CHECK=1 (root only) it also installs the package,
# starts its service and checks that `apt remove` leaves none running.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$here/build}

# Only configured files change with the prefix; nothing is compiled again.
# The build's own prefix comes back afterwards.
cache_value() { sed -n "s/^$1:[A-Z]*=//p" "$build/CMakeCache.txt"; }
old_prefix=$(cache_value CMAKE_INSTALL_PREFIX)
old_autostart=$(cache_value TOLVEK_AUTOSTART_DIR)
restore() {
  cmake -S "$here" -B "$build" -DCMAKE_INSTALL_PREFIX="$old_prefix" -DTOLVEK_AUTOSTART_DIR="$old_autostart" >/dev/null
}
trap restore EXIT
cmake -S "$here" -B "$build" -DCMAKE_INSTALL_PREFIX=/usr -DTOLVEK_AUTOSTART_DIR= >/dev/null
cmake --build "$build" -j "${JOBS:-2}" >/dev/null
rm -f "$build"/tolvek-alarm_*.deb
(cd "$build" && cpack -G DEB >"$build/cpack.log") || { cat "$build/cpack.log"; exit 1; }
deb=$(ls "$build"/tolvek-alarm_*.deb)
echo "package: $deb"
dpkg-deb --field "$deb" Depends | tr ',' '\n' | sed 's/^ */  depends: /'

# Tags that do not apply: a native package built by CPack has no source package
# or upstream signing; the man pages are the programs' --help.
lintian --fail-on error --suppress-tags no-manual-page,initial-upload-closes-no-bugs "$deb"
echo "lintian: no errors"

if [ "${TOLVEK_PACKAGE_INSTALL_CHECK:-0}" = 1 ]; then
  "$here/scripts/check-package.sh" "$deb"
fi
