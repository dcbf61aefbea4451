#!/usr/bin/env bash
# Drives the program under Xvfb as a person would and saves screenshots.
# Usage: headless.sh <quavlet.exe> <screenshot folder>; DISPLAY and the Wine variables are set.
set -uo pipefail
program=$1
shots=$2
mkdir -p "$shots"

"$WINE" "$program" >/dev/null 2>&1 &
program_pid=$!

# Prints the X window whose title matches, once it appears within the given tenths of a second.
wait_for_window() {
  local title=$1 tenths=$2 found=""
  for _ in $(seq "$tenths"); do
    found=$(xdotool search --name "$title" 2>/dev/null | head -1)
    [ -n "$found" ] && break
    sleep 0.1
  done
  echo "$found"
}

window=$(wait_for_window '^Quavlet$' 300)
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

# A sample user's songs: type the number into the QQ box as a person would and press Enter.
sample_number=12345
eval "$(xdotool getwindowgeometry --shell "$window")"
xdotool mousemove $((X + 60)) $((Y + 44)) click 1
sleep 0.3
xdotool type --delay 50 "$sample_number"
xdotool key Return
sleep 2
window_shot songs

# Moves the pointer to a client pixel of the main window, then runs the xdotool commands given.
at() { xdotool mousemove $((X + $1)) $((Y + $2)) "${@:3}"; }

# Double-click the second song: it is fetched and plays; the status poll shows "正在播放" in
# Label8 (under the hint at the bottom left) and turns the play/pause caption to "暂/播".
at 60 131 click --repeat 2 --delay 90 1
sleep 2.5
window_shot playing

# The song (three seconds) plays to its end and stops: Label8 reads "已停止" and no overlay
# comes, since the overlay says that a song cannot be played.
if [ -n "$(wait_for_window '^Form3$' 60)" ]; then
  echo "The overlay appeared for a song that played to its end." >&2
fi
window_shot played

# A user whose second song's address is dead: the player says it cannot play it and the poll
# opens the overlay Form3, which closes itself 1.5 s later.
at 60 44 click 1
sleep 0.3
xdotool key End
xdotool key --repeat 12 --delay 20 BackSpace
xdotool type --delay 50 50000
xdotool key Return
sleep 2
at 60 131 click --repeat 2 --delay 90 1
if [ -n "$(wait_for_window '^Form3$' 100)" ]; then
  sleep 0.3
  shot overlay
else
  echo "The overlay did not appear for a dead address." >&2
fi

# "退出" closes the main window at once, and with it the program; only a program that stays
# is ended by force.
at 236 44 click 1
for _ in $(seq 50); do
  kill -0 "$program_pid" 2>/dev/null || break
  sleep 0.1
done
if kill -0 "$program_pid" 2>/dev/null; then
  echo "The program did not end after its exit button; ending it." >&2
  "$WINESERVER" -k 2>/dev/null
fi
wait "$program_pid" 2>/dev/null
exit 0
