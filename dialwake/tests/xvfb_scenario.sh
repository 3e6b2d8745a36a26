#!/bin/bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Usage: xvfb-run -a -s "-screen 0 1280x1024x24" dialwake/tests/xvfb_scenario.sh first|again
# (DIALWAKE names the program, OUT the folder for the screenshots and the temporary home.)
# Runs dialwake as a new user would (phase "first") or starts it again (phase "again").
phase=$1
prog=${DIALWAKE:-$(cd "$(dirname "$0")/../.." && pwd)/build/run/bin/dialwake}
out=${OUT:-/tmp/dwx}
export XDG_DATA_HOME=$out/home/data XDG_CONFIG_HOME=$out/home/config
mkdir -p $XDG_DATA_HOME $XDG_CONFIG_HOME $out/cwd
cd $out/cwd
shot() { import -window root $out/$phase-$1.png; }
# win geometry NAME: X, Y, WIDTH, HEIGHT of the first visible window so named.
win() { local w=$(xdotool search --onlyvisible --name "$2" | head -1); eval $(xdotool getwindowgeometry --shell $w); }
titles() { for w in $(xdotool search --onlyvisible --name "."); do echo "  $(xdotool getwindowname $w) $(xdotool getwindowgeometry $w | grep -o 'Position: [0-9,]*')"; done; }
# The first clock opens where the pointer is.
xdotool mousemove 640 512
"$prog" > $out/$phase.log 2>&1 &
pid=$!
sleep 4
if [ "$phase" = first ]; then
  shot 1-chooser
  xdotool mousemove 640 512; sleep 0.2
  xdotool type --delay 60 "London"; xdotool key Return; sleep 1.5
  shot 2-london
  # Right click: the chooser; Tokyo, "Digital", New. The new clock goes beside the chooser.
  xdotool mousemove 640 512 click 3; sleep 2
  win geometry "^What city"; CX=$X; CY=$Y; CW=$WIDTH
  xdotool mousemove 150 150; sleep 0.2
  xdotool type --delay 60 "Tokyo"; xdotool key Tab Tab Tab Tab Tab Tab; xdotool type D; sleep 0.2
  xdotool key shift+Tab shift+Tab shift+Tab space; sleep 1.5
  shot 3-tokyo-new
  # Still in the chooser: New York with an alarm two minutes on (under two from now), then OK.
  xdotool key shift+Tab shift+Tab shift+Tab ctrl+a; xdotool type --delay 60 "New York"
  xdotool key Tab Tab Tab Tab Tab space; sleep 1.5
  win geometry "^Set Alarm"
  xdotool mousemove $((X + WIDTH - 60)) $((Y + 21)) click 1; sleep 0.2; xdotool key Up Up; sleep 0.3
  xdotool mousemove $((X + WIDTH / 2)) $((Y + 50)) click 1; sleep 0.2
  xdotool type --delay 30 "Call New York (office)"; sleep 0.5
  shot 4-alarm-dialog
  xdotool key Return; sleep 1
  xdotool mousemove $((CX + CW - 51)) $((CY + 21)) click 1; sleep 1.5
  # A third clock from the host's window: London again, "Modern".
  win geometry "^Dialwake$"
  xdotool mousemove $((X + 47)) $((Y + 48)) click 1; sleep 2
  xdotool key Tab Tab Tab Tab Tab Tab; xdotool type M; xdotool key Return; sleep 1.5
  # Spread the clocks out by dragging them.
  i=0
  for name in "^Tokyo" "^New York" "^London"; do
    win geometry "$name"
    xdotool mousemove $((X + 60)) $((Y + 60)) mousedown 1; sleep 0.1
    xdotool mousemove $((300 + i * 250)) $((300 + i * 40)); sleep 0.1
    xdotool mousemove $((320 + i * 250)) $((320 + i * 40)) mouseup 1; sleep 0.5
    i=$((i + 1))
  done
  xdotool mousemove 1200 1000
  sleep 1; shot 5-three-clocks
  echo "titles:"; titles
  echo "restart file:"; cat $XDG_DATA_HOME/Dialwake/Startup.File
  echo "waiting for the alarm"; sleep 125
  shot 6-alarm-fired
  echo "titles:"; titles
  echo "restart file after the alarm:"; cat $XDG_DATA_HOME/Dialwake/Startup.File
  # Dismiss the message and quit from the host window: every line stays.
  xdotool key Return; sleep 0.5
  win geometry "^Dialwake$"
  xdotool mousemove $((X + 220)) $((Y + 48)) click 1; sleep 1
else
  shot 1-back
  echo "titles:"; titles
  echo "restart file:"; cat $XDG_DATA_HOME/Dialwake/Startup.File
fi
kill $pid 2>/dev/null && echo "(still running, stopped)"
wait $pid 2>/dev/null
echo "exit: $phase"
