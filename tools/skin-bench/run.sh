#!/usr/bin/env bash
# Builds skin-bench and runs it under its own Xvfb; prints its figures.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/setup/build.sh
quavlet_one_session build/x86_64 "$quavlet_root/tools/skin-bench/run.sh" "$@"
quavlet_build build/x86_64 toolchain-x86_64.cmake ON skin-bench >/dev/null
source tools/setup/wine-env.sh build/x86_64
quavlet_make_prefix
export HOME="$QUAVLET_HOME"
quavlet_start_xvfb
quavlet_window_manager off
cleanup() {
  "$WINESERVER" -k 2>/dev/null || true
  quavlet_stop_xvfb
}
trap cleanup EXIT
"$WINE" build/x86_64/tools/skin-bench/skin-bench.exe | tr -d '\r'
