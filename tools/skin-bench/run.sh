#!/usr/bin/env bash
# Builds skin-bench and runs it under its own Xvfb; prints its figures.
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/setup/build.sh
quavlet_one_session build/x86_64 "$quavlet_root/tools/skin-bench/run.sh" "$@"
quavlet_build build/x86_64 toolchain-x86_64.cmake ON skin-bench >/dev/null
source tools/setup/wine-env.sh build/x86_64
trap quavlet_end_headless_wine EXIT
quavlet_headless_wine
"$WINE" build/x86_64/tools/skin-bench/skin-bench.exe | tr -d '\r'
