#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Validates what makes reminders come by themselves: the autostart entry (desktop-file-validate)
# and the user timer with its service (systemd-analyze verify, as user units, with ExecStart on
# the built program). Exit 77 (skipped) when neither tool is installed.
#   tools/check-reminder-units.sh SOURCE_ROOT PROGRAM
set -uo pipefail
SRC="$1" PROGRAM="$2"
ran=0 failed=0
if command -v desktop-file-validate >/dev/null; then
    ran=1
    bash "$SRC/tools/check-desktop-entry.sh" "$SRC/packaging/kinfold-reminders.desktop" kinfold || failed=1
    grep -qx 'Exec=kinfold --remind' "$SRC/packaging/kinfold-reminders.desktop" || { echo "autostart entry does not run kinfold --remind"; failed=1; }
fi
if command -v systemd-analyze >/dev/null; then
    ran=1
    work="$(mktemp -d)"
    trap 'rm -rf "$work"' EXIT
    mkdir -m 700 "$work/run"
    sed "s|@KQ_KINFOLD_PROGRAM@|$PROGRAM|" "$SRC/packaging/kinfold-reminders.service.in" >"$work/kinfold-reminders.service"
    cp "$SRC/packaging/kinfold-reminders.timer" "$work/"
    out="$(cd "$work" && XDG_RUNTIME_DIR="$work/run" systemd-analyze --user verify --man=no \
        kinfold-reminders.timer kinfold-reminders.service 2>&1)"
    if [ $? -ne 0 ] || [ -n "$out" ]; then echo "systemd-analyze verify: $out"; failed=1; fi
    grep -qx 'Persistent=true' "$work/kinfold-reminders.timer" || { echo "the timer does not catch up"; failed=1; }
fi
[ $ran -eq 1 ] || exit 77
exit $failed
