#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test: once on a
# normal build, once on a build with AddressSanitizer + UndefinedBehaviorSanitizer.
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
"$here/scripts/install-deps.sh"

source "$here/scripts/session-services.sh"

# Warnings in our code fail the build here.
BUILD_DIR=$here/build "$here/scripts/build.sh" -DTOLVEK_WERROR=ON
(cd "$here/build" && ctest --output-on-failure -j 2 --timeout 300)

# The Debian package from the same build, checked by lintian; in CI (as root)
# also installed, its service run, and removed again.
echo "== the Debian package"
install_check=0
[ "${CI:-}" = true ] && [ "$(id -u)" = 0 ] && install_check=1
BUILD_DIR=$here/build TOLVEK_PACKAGE_INSTALL_CHECK=${TOLVEK_PACKAGE_INSTALL_CHECK:-$install_check} \
  "$here/scripts/package.sh"

if [ "${TOLVEK_SKIP_SANITIZERS:-0}" != 1 ]; then
  # The screens' tests stay out of this pass to keep a run well under half an
  # hour on two cores; everything below the window runs again here.
  echo "== again with AddressSanitizer + UndefinedBehaviorSanitizer (all but the screens)"
  BUILD_DIR=$here/build-asan BUILD_TYPE=Debug "$here/scripts/build.sh" -DTOLVEK_SANITIZE=ON -DTOLVEK_WERROR=ON \
    -DTOLVEK_BENCHMARKS=OFF -DTOLVEK_SCREENS=OFF
  (cd "$here/build-asan" && ASAN_OPTIONS=detect_leaks=0 UBSAN_OPTIONS=print_stacktrace=1 \
     ctest --output-on-failure -j 2 --timeout 600 -LE nosan)
fi
