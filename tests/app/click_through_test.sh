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
for _ in $(seq 300); do   # 30 s: only a probe that never starts takes that long
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

# Waits (15 s at most: only a fault takes that long) for a condition given as a command.
wait_for() {
  for _ in $(seq 300); do
    "$@" && return 0
    sleep 0.05
  done
  return 1
}
shown() { [ -n "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ]; }
wait_for shown '^Quavlet$' && wait_for shown '^Background$'

# Each press is answered before the next is made, so the answers come in the order of the presses.
reported() { [ "$(tr -d '\r' <"$log" | grep -vc '^ready')" -ge "$1" ]; }
presses=0
press() {
  xdotool mousemove "$1" "$2" click 1
  presses=$((presses + 1))
  wait_for reported "$presses"
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
