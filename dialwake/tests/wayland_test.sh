#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Dialwake on a Wayland session, under a headless weston of the test's own: with XWayland the
# clocks are X11 windows (places and "always on top" work there); with no X server, or when the
# user asks for Wayland, they run on Wayland and say once that places cannot be kept.
#   dialwake/tests/wayland_test.sh PATH/TO/dialwake
set -uo pipefail
prog="$1"
# The messages read below are the English ones, whatever the caller's language.
export LC_ALL=C.UTF-8 LANGUAGE=
fail() { echo "FAIL: $*"; exit 1; }
for tool in weston Xwayland xwininfo; do
  command -v $tool >/dev/null || fail "$tool is not installed (weston, xwayland, x11-utils)"
done
ls /usr/lib/*/qt6/plugins/platforms/libqwayland-generic.so >/dev/null 2>&1 || fail "Qt's Wayland plugin is not installed (qt6-wayland)"

work="$(mktemp -d)"
runtime="$work/run"
mkdir -m 700 "$runtime"
weston_pid=""
dialwake_pid=""
cleanup() {
  [ -n "$dialwake_pid" ] && kill "$dialwake_pid" 2>/dev/null
  [ -n "$weston_pid" ] && kill "$weston_pid" 2>/dev/null && wait "$weston_pid" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

socket="wayland-kq$$"
XDG_RUNTIME_DIR="$runtime" weston --backend=headless-backend.so --socket="$socket" --xwayland --idle-time=0 \
  --width=1280 --height=1024 >"$work/weston.log" 2>&1 &
weston_pid=$!
display=""
for _ in $(seq 100); do
  display="$(sed -n 's/.*xserver listening on display \(:[0-9]*\).*/\1/p' "$work/weston.log" | head -1)"
  [ -S "$runtime/$socket" ] && [ -n "$display" ] && break
  kill -0 "$weston_pid" 2>/dev/null || break
  sleep 0.1
done
[ -S "$runtime/$socket" ] && [ -n "$display" ] || fail "cannot start weston with XWayland: $(tail -5 "$work/weston.log")"

home="$work/home"
mkdir -p "$home/.local/share/Dialwake"
printf '%s\n' "/usr/bin/dialwake /p(300,200,140,140)/tz(0|nu0)/n(London)" \
  "/usr/bin/dialwake /p(600,200,140,140)/o4/tz(32400|nu0)/n(Tokyo, Japan)" >"$home/.local/share/Dialwake/Startup.File"

# start LOG [NAME=VALUE...]: dialwake in the session, as a desktop would start it.
start() {
  local log="$1"; shift
  (cd "$work" && exec env -u QT_QPA_PLATFORM -u DISPLAY HOME="$home" XDG_DATA_HOME="$home/.local/share" \
    XDG_CONFIG_HOME="$home/.config" XDG_RUNTIME_DIR="$runtime" XDG_SESSION_TYPE=wayland \
    WAYLAND_DISPLAY="$socket" "$@" "$prog" >"$work/$log" 2>&1) &
  dialwake_pid=$!
}
stop() {
  kill "$dialwake_pid" 2>/dev/null
  wait "$dialwake_pid" 2>/dev/null
  dialwake_pid=""
}
x_clocks() { xwininfo -display "$display" -root -tree 2>/dev/null | grep -cE '"(London|Tokyo)": \("dialwake"'; }
told() { grep -c "cannot keep their places" "$work/$1"; }

# With XWayland: X11 windows, no word about places.
start xwayland.log DISPLAY="$display"
for _ in $(seq 150); do [ "$(x_clocks)" = 2 ] && break; sleep 0.1; done
[ "$(x_clocks)" = 2 ] || fail "the clocks are no X11 windows with XWayland there: $(cat "$work/xwayland.log")"
[ "$(told xwayland.log)" = 0 ] || fail "said places cannot be kept although XWayland runs"
kill -0 "$dialwake_pid" || fail "dialwake ended"
# weston puts every window in the middle and draws a frame with a shadow: neither the place nor
# a size shrunk by that frame replaces what the user had, once the clocks have settled.
sleep 3
for place in "300,200,140,140)/tz(0|nu0)/n(London)" "600,200,140,140)/o4/tz(32400|nu0)/n(Tokyo, Japan)"; do
  grep -qF "/p($place" "$home/.local/share/Dialwake/Startup.File" \
    || fail "the stored place of $place was replaced: $(cat "$home/.local/share/Dialwake/Startup.File")"
done
sizes="$(xwininfo -display "$display" -root -tree | grep -E '"(London|Tokyo)": \("dialwake"' | grep -c ' 140x140+')"
[ "$sizes" = 2 ] || fail "the clocks are not 140 pixels square: $(xwininfo -display "$display" -root -tree | grep dialwake)"
stop

# No X server: Wayland, said once for both clocks.
start wayland.log
for _ in $(seq 100); do [ "$(told wayland.log)" -ge 1 ] && break; sleep 0.1; done
sleep 1
[ "$(told wayland.log)" = 1 ] || fail "not said exactly once that places cannot be kept: $(cat "$work/wayland.log")"
kill -0 "$dialwake_pid" || fail "dialwake ended on Wayland: $(cat "$work/wayland.log")"
[ "$(x_clocks)" = 0 ] || fail "clocks on X11 without DISPLAY"
stop

# The user's own choice of platform stands.
start chosen.log DISPLAY="$display" QT_QPA_PLATFORM=wayland
for _ in $(seq 100); do [ "$(told chosen.log)" -ge 1 ] && break; sleep 0.1; done
[ "$(told chosen.log)" = 1 ] || fail "QT_QPA_PLATFORM=wayland was not kept: $(cat "$work/chosen.log")"
[ "$(x_clocks)" = 0 ] || fail "clocks on X11 although the user chose Wayland"
stop
echo "dialwake under weston: XWayland used when there, Wayland said once otherwise"
