#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Sets up, builds and starts one program: ./run.sh [kinfold|markwheel|dialwake] [args...]
set -euo pipefail
source "$(dirname "$0")/cmake/setup.sh"
prog="kinfold"
case "${1:-}" in kinfold|markwheel|dialwake) prog="$1"; shift ;; esac
install_packages
BUILD="$ROOT/build/run"
configure "$BUILD" -DBUILD_TESTING=OFF
cmake --build "$BUILD" --target "$prog"
exec "$BUILD/bin/$prog" "$@"
