#!/usr/bin/env bash
# Builds and runs the query benchmark under Wine and Xvfb against the local music list service.
# Usage: tools/query-bench/run.sh [QQ number] [rounds]
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/setup/deps.sh
source tools/setup/build.sh
quavlet_one_session build/x86_64 "$quavlet_root/tools/query-bench/run.sh" "$@"
quavlet_build build/x86_64 toolchain-x86_64.cmake ON quavlet_query_bench
source tools/setup/wine-env.sh build/x86_64
source tools/musicservice/service.sh
cleanup() {
  quavlet_stop_music_service
  quavlet_end_headless_wine
}
trap cleanup EXIT
quavlet_headless_wine persistent
quavlet_start_music_service build/query-bench-service.log
"$WINE" build/x86_64/tools/query-bench/quavlet_query_bench.exe "$@" | tr -d '\r'
