#!/usr/bin/env bash
# Builds one Wine test program of the 64-bit build and runs it headless, as `make test` does:
# under its own Xvfb, a persistent wineserver and the local music list service. Arguments after
# the program go to GoogleTest.
# Usage: tools/wine-test.sh <test program> [GoogleTest arguments...]
#   tools/wine-test.sh quavlet_skin_painters_tests --gtest_filter='FramePainterTest.*'
#   tools/wine-test.sh quavlet_overlay_tests --gtest_filter='*Timer*' --gtest_repeat=20
# The program is a target name (its .exe file name without the extension).
set -uo pipefail
cd "$(dirname "$0")/.."
if [ $# -lt 1 ]; then
  sed -n '5,8s/^# \{0,1\}//p' "$0" >&2
  exit 2
fi
source tools/setup/build.sh
quavlet_one_session build/x86_64 "$quavlet_root/tools/wine-test.sh" "$@"
program=$(basename "$1" .exe); shift

bash tools/setup/deps.sh || exit 1
quavlet_build build/x86_64 toolchain-x86_64.cmake ON "$program" >/dev/null || exit 1
executable=$(find build/x86_64/tests -name "$program.exe" | head -1)
if [ -z "$executable" ]; then
  echo "No test program $program.exe under build/x86_64/tests." >&2
  exit 2
fi

source tools/musicservice/service.sh
source tools/setup/wine-env.sh build/x86_64
cleanup() {
  quavlet_stop_music_service
  quavlet_end_headless_wine
}
trap cleanup EXIT
quavlet_headless_wine persistent || exit 1
quavlet_start_music_service build/musicservice.log || exit 1

"$WINE" "$executable" "$@" 2>&1 | tr -d '\r'
exit "${PIPESTATUS[0]}"
