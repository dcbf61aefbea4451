#!/usr/bin/env bash
# Builds the program, the start-up launcher and the bare window program, and times the start of
# both under Wine and Xvfb. Usage: tools/startup-bench/run.sh [rounds]
set -euo pipefail
cd "$(dirname "$0")/../.."
source tools/setup/build.sh
quavlet_one_session build/x86_64 "$quavlet_root/tools/startup-bench/run.sh" "$@"
quavlet_build build/x86_64 toolchain-x86_64.cmake ON quavlet quavlet_startup_bench quavlet_bare_window >/dev/null
source tools/setup/wine-env.sh build/x86_64
trap quavlet_end_headless_wine EXIT
quavlet_headless_wine persistent
"$WINE" build/x86_64/tools/startup-bench/quavlet_startup_bench.exe build/x86_64/app/quavlet.exe \
  build/x86_64/tools/startup-bench/quavlet_bare_window.exe "${1:-7}" | tr -d '\r'
