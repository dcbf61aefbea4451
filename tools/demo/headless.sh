#!/usr/bin/env bash
# Drives the program under Xvfb as a person would and saves screenshots.
# Usage: headless.sh <quavlet.exe> <screenshot folder>; DISPLAY and the Wine variables are set.
set -uo pipefail
program=$1
shots=$2
mkdir -p "$shots"

"$WINE" "$program" >/dev/null 2>&1 &
program_pid=$!

window=""
for _ in $(seq 150); do
  window=$(xdotool search --name '^Quavlet$' 2>/dev/null | head -1)
  [ -n "$window" ] && break
  sleep 0.2
done
if [ -z "$window" ]; then
  echo "The main window did not appear." >&2
  kill "$program_pid" 2>/dev/null
  exit 1
fi
sleep 1.5

shot() {
  xwd -root -silent | convert xwd:- "$shots/$1.png"
  echo "Screenshot: $(cd "$shots" && pwd)/$1.png"
}

shot main

# A sample user's songs: type the number into the QQ box as a person would and press Enter.
sample_number=12345
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 60)) $((Y + 44)) click 1
sleep 0.3
xdotool type --delay 50 "$sample_number"
xdotool key Return
sleep 2
shot songs

"$WINESERVER" -k 2>/dev/null
wait "$program_pid" 2>/dev/null
exit 0
