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

"$WINESERVER" -k 2>/dev/null
wait "$program_pid" 2>/dev/null
exit 0
