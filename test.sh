#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and runs every test.  ./test.sh [--sanitize]
set -uo pipefail
source "$(dirname "$0")/cmake/setup.sh"
install_packages
BUILD="$ROOT/build/test"
EXTRA=()
if [ "${1:-}" = "--sanitize" ]; then
  BUILD="$ROOT/build/sanitize"
  EXTRA=(-DKQ_SANITIZE=ON)
  # Leaks inside Qt and fontconfig are theirs; every other finding fails the test.
  export LSAN_OPTIONS="suppressions=$ROOT/tools/lsan-suppressions.txt:print_suppressions=0"
  export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1"
  export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
fi
configure "$BUILD" -DBUILD_TESTING=ON "${EXTRA[@]}" || exit 1
cmake --build "$BUILD" || exit 1
export QT_QPA_PLATFORM=offscreen
cd "$BUILD" || exit 1
ctest --output-on-failure -j2 > "$BUILD/ctest.log" 2>&1
rc=$?
# Failures in full, passes quietly; the summary line last.
grep -Ev '^\s*(Start +[0-9]+:|[0-9]+/[0-9]+ Test +#[0-9]+: .* Passed)' "$BUILD/ctest.log" | grep -v '^$' | tail -200
exit $rc
