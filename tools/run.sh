#!/usr/bin/env bash
# `make run`: builds the 64-bit program and starts it under Wine against the local demo
# music list service. With no display it runs under Xvfb, drives the demo itself, saves
# screenshots and exits.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup/deps.sh
source tools/setup/build.sh
quavlet_one_session build/x86_64 "$quavlet_root/tools/run.sh" "$@"
quavlet_build build/x86_64 toolchain-x86_64.cmake ON quavlet

source tools/setup/wine-env.sh build/x86_64
quavlet_make_prefix
export HOME="$QUAVLET_HOME"

source tools/musicservice/service.sh
cleanup() {
  quavlet_stop_music_service
  if [ -n "${quavlet_xvfb_pid:-}" ]; then "$WINESERVER" -k 2>/dev/null || true; fi
  quavlet_stop_xvfb
  return 0
}
trap cleanup EXIT

quavlet_start_music_service build/musicservice.log
echo "Local music list service on http://$QUAVLET_MUSIC_HOST (sample QQ numbers: see README.md)"

program=build/x86_64/app/quavlet.exe
if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
  quavlet_window_manager on
  "$WINE" "$program"
else
  quavlet_start_xvfb
  quavlet_window_manager off
  bash tools/demo/headless.sh "$program" build/screenshots
fi
