#!/usr/bin/env bash
# Presses with the real X pointer on the main window: on its face (the press reaches the window),
# in a rounded corner and on a label painted in the colour key (both holes: the press reaches the
# window beneath). Needs DISPLAY (Xvfb), WINE and xdotool.
# Usage: click_through_test.sh <click_through_probe.exe>
set -uo pipefail
probe=$1
log=$(mktemp)
trap 'rm -f "$log"' EXIT

"$WINE" "$probe" >"$log" 2>/dev/null &
probe_pid=$!
ready=""
for _ in $(seq 100); do
  ready=$(tr -d '\r' <"$log" | grep '^ready' | head -1)
  [ -n "$ready" ] && break
  sleep 0.1
done
if [ -z "$ready" ]; then
  echo "the probe did not show the main window"
  kill "$probe_pid" 2>/dev/null
  exit 1
fi
read -r _ left top <<<"$ready"
sleep 0.5

press() {
  xdotool mousemove "$1" "$2" click 1
  sleep 0.4
}
press $((left + 400)) $((top + 50))   # the face
press $((left + 330)) $((top + 20))   # the label drawn in the colour key
press $((left + 1)) $((top + 1))      # the rounded top-left corner
wait "$probe_pid"

got=$(tr -d '\r' <"$log" | grep -v '^ready' | tr '\n' ' ')
expected="form background background "
if [ "$got" != "$expected" ]; then
  echo "presses landed on: $got"
  echo "expected:          $expected"
  exit 1
fi
echo "presses landed on: $got"
