#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Runs a command with a notification service of its own: a private X server, a private session
# bus from dbus-run-session and dunst on them. Afterwards every notification dunst took, as
# `dunstctl history` gives it (JSON), is written to HISTORY.
#   notification-session.sh HISTORY COMMAND [ARGS...]
# The exit status is the command's; 97 when the service could not be started.
set -u
if [ "${1:-}" != --inside ]; then
    history=$1
    shift
    for tool in Xvfb dbus-run-session dunst dunstctl; do
        command -v "$tool" >/dev/null || { echo "notification-session: $tool is not installed" >&2; exit 97; }
    done
    work=$(mktemp -d)
    trap 'kill "$xpid" 2>/dev/null; wait "$xpid" 2>/dev/null; rm -rf "$work"' EXIT
    # The server picks a free display and writes its number.
    Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
    xpid=$!
    for _ in $(seq 100); do [ -s "$work/display" ] && break; sleep 0.05; done
    [ -s "$work/display" ] || { echo "notification-session: Xvfb did not start" >&2; exit 97; }
    DISPLAY=:$(cat "$work/display")
    export DISPLAY
    dbus-run-session -- "$0" --inside "$history" "$work" "$@"
    exit $?
fi
shift
history=$1 work=$2
shift 2
cat >"$work/dunstrc" <<'RC'
[global]
notification_limit = 0
history_length = 1000
sticky_history = yes
RC
dunst -config "$work/dunstrc" >"$work/dunst.log" 2>&1 &
dpid=$!
ready=
for _ in $(seq 100); do
    if dbus-send --session --print-reply --dest=org.freedesktop.DBus / org.freedesktop.DBus.NameHasOwner \
        string:org.freedesktop.Notifications 2>/dev/null | grep -q 'boolean true'; then
        ready=1
        break
    fi
    sleep 0.05
done
if [ -z "$ready" ]; then
    echo "notification-session: dunst did not take org.freedesktop.Notifications: $(head -c 300 "$work/dunst.log")" >&2
    kill "$dpid" 2>/dev/null
    exit 97
fi
"$@"
status=$?
# Shown notifications reach the history once closed.
dunstctl close-all 2>/dev/null
sleep 0.1
dunstctl history >"$history" 2>/dev/null
kill "$dpid" 2>/dev/null
wait "$dpid" 2>/dev/null
exit $status
