#!/usr/bin/env bash
# Builds one Wine test program of the 64-bit build and runs it headless, as `make test` does:
# under its own Xvfb, a persistent wineserver and the local music list service. Arguments after
# the program go to GoogleTest.
# Usage: tools/wine-test.sh [--32] <test program> [GoogleTest arguments...]
#   tools/wine-test.sh quavlet_skin_painters_tests --gtest_filter='FramePainterTest.*'
#   tools/wine-test.sh quavlet_overlay_tests --gtest_filter='*Timer*' --gtest_repeat=20
# The program is a target name (its .exe file name without the extension). --32: the 32-bit
# build's, under 32-bit Wine.
set -uo pipefail
cd "$(dirname "$0")/.."
if [ $# -lt 1 ]; then
  sed -n '5,9s/^# \{0,1\}//p' "$0" >&2
  exit 2
fi
arch=x86_64
if [ "$1" = --32 ]; then
  arch=i686
fi
source tools/setup/build.sh
quavlet_one_session "build/$arch" "$quavlet_root/tools/wine-test.sh" "$@"
[ "$1" = --32 ] && shift
program=$(basename "$1" .exe); shift

bash tools/setup/deps.sh || exit 1
quavlet_build "build/$arch" "toolchain-$arch.cmake" ON "$program" >/dev/null || exit 1
executable=$(find "build/$arch/tests" -name "$program.exe" | head -1)
if [ -z "$executable" ]; then
  echo "No test program $program.exe under build/$arch/tests." >&2
  exit 2
fi

source tools/musicservice/service.sh
if [ "$arch" = i686 ]; then
  source tools/setup/wine32-env.sh build/i686
else
  source tools/setup/wine-env.sh build/x86_64
fi
quavlet_headless_session "build/$arch/musicservice.log" || exit 1

"$WINE" "$executable" "$@" 2>&1 | tr -d '\r'
exit "${PIPESTATUS[0]}"
