#!/usr/bin/env bash
# Sets up, builds and runs every test.  ./test.sh [--sanitize]
set -uo pipefail
source "$(dirname "$0")/cmake/setup.sh"
install_packages
BUILD="$ROOT/build/test"
EXTRA=()
if [ "${1:-}" = "--sanitize" ]; then
  BUILD="$ROOT/build/sanitize"
  EXTRA=(-DKQ_SANITIZE=ON)
fi
configure "$BUILD" -DBUILD_TESTING=ON "${EXTRA[@]}" || exit 1
cmake --build "$BUILD" || exit 1
export QT_QPA_PLATFORM=offscreen
cd "$BUILD" && ctest --output-on-failure -j2 2>&1 | tee "$BUILD/ctest.log" | grep -Ev '^\s*[0-9]+/[0-9]+ Test' 
rc=${PIPESTATUS[0]}
grep -E 'tests passed|tests failed' "$BUILD/ctest.log" | tail -1
exit $rc
