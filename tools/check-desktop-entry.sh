#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# A desktop entry passes desktop-file-validate without a word and starts the named program.
#   tools/check-desktop-entry.sh ENTRY PROGRAM
set -uo pipefail
entry="$1" program="$2"
command -v desktop-file-validate >/dev/null || { echo "desktop-file-validate is not installed (desktop-file-utils)"; exit 1; }
out="$(desktop-file-validate "$entry" 2>&1)"; rc=$?
[ $rc -eq 0 ] && [ -z "$out" ] || { echo "desktop-file-validate $entry: $out"; exit 1; }
grep -qE "^Exec=$program( |$)" "$entry" || { echo "$entry does not start $program"; exit 1; }
echo "$entry: valid, starts $program"
