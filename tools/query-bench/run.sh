#!/usr/bin/env bash
# Builds and runs the query benchmark under Wine and Xvfb against the local music list service.
# Usage: tools/query-bench/run.sh [QQ number] [rounds]
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/setup/deps.sh
source tools/setup/build.sh
quavlet_build build/x86_64 toolchain-x86_64.cmake ON quavlet_query_bench
source tools/setup/wine-env.sh build/x86_64
quavlet_make_prefix
export HOME="$QUAVLET_HOME"
quavlet_start_xvfb
port=18090
python3 tools/musicservice/musicservice.py --port "$port" >build/query-bench-service.log 2>&1 &
service_pid=$!
cleanup() {
  kill "$service_pid" 2>/dev/null || true
  "$WINESERVER" -k 2>/dev/null || true
  quavlet_stop_xvfb
}
trap cleanup EXIT
export QUAVLET_MUSIC_HOST=127.0.0.1:$port
sleep 0.5
"$WINESERVER" -p
"$WINE" wineboot -u </dev/null >/dev/null 2>&1
"$WINE" reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /d N /f >/dev/null 2>&1
"$WINE" build/x86_64/tools/query-bench/quavlet_query_bench.exe "$@" | tr -d '\r'
