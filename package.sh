#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian packages into build/packages and checks them.  ./package.sh
# Release build in build/package without tests; the packaging tools it needs besides packages.txt
# are installed here, not by ./test.sh.
set -euo pipefail
source "$(dirname "$0")/cmake/setup.sh"
umask 022
install_packages
install_packages dpkg-dev file lintian appstream desktop-file-utils man-db

BUILD="$ROOT/build/package"
OUT="$ROOT/build/packages"
cd "$ROOT"
# Debian's hardening and reproducibility flags; CMake does not read CPPFLAGS by itself.
export DEB_BUILD_MAINT_OPTIONS="hardening=+all"
CFLAGS="$(dpkg-buildflags --get CFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
CXXFLAGS="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
LDFLAGS="$(dpkg-buildflags --get LDFLAGS)"
cmake -S "$ROOT" -B "$BUILD" -G Ninja -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
  -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_C_FLAGS="$CFLAGS" -DCMAKE_CXX_FLAGS="$CXXFLAGS" \
  -DCMAKE_EXE_LINKER_FLAGS="$LDFLAGS" -DCMAKE_SHARED_LINKER_FLAGS="$LDFLAGS" >/dev/null
cmake --build "$BUILD" --parallel "$(nproc)"

rm -rf "$BUILD/cpack" "$OUT"
mkdir -p "$OUT"
(cd "$BUILD" && cpack -G DEB -B "$BUILD/cpack" >/dev/null)
mv "$BUILD"/cpack/*.deb "$OUT/"
ls -l "$OUT"

version="$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$BUILD/CMakeCache.txt")"
exec "$ROOT/tools/check-packages.sh" "$OUT" "$version" "$(dpkg-architecture -qDEB_HOST_MULTIARCH)" "$ROOT"
