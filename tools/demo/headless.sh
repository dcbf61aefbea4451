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

# The main window alone, cropped to its place; its colour-keyed corners (the bare root window
# of Xvfb, black) become transparent.
window_shot() {
  local name=$1 geometry
  geometry=$(xwininfo -id "$window" | awk '/Absolute upper-left X/{x=$NF} /Absolute upper-left Y/{y=$NF}
    /Width:/{w=$NF} /Height:/{h=$NF} END{print w "x" h "+" x "+" y}')
  local right=$((${geometry%%x*} - 1)) bottom
  bottom=$(( $(cut -dx -f2 <<<"$geometry" | cut -d+ -f1) - 1 ))
  xwd -root -silent | convert xwd:- -crop "$geometry" +repage -alpha set -fuzz 0 -fill none \
    -draw 'color 0,0 floodfill' -draw "color $right,0 floodfill" \
    -draw "color 0,$bottom floodfill" -draw "color $right,$bottom floodfill" "$shots/$name.png"
  echo "Screenshot: $(cd "$shots" && pwd)/$name.png"
}

shot main
window_shot main-window

"$WINESERVER" -k 2>/dev/null
wait "$program_pid" 2>/dev/null
exit 0
