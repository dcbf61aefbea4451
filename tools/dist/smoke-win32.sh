#!/usr/bin/env bash
# `make dist`'s check of the 32-bit program it packs: the program tests (started as a user starts
# it, the skin attached, a query against the local music list service listed, the program ended
# by its exit button; its version resource and manifest) run against that very file under 32-bit
# Wine, headless, in build/i686's prefix.
# Usage: tools/dist/smoke-win32.sh <quavlet.exe> <quavlet_program_tests.exe>
set -uo pipefail
cd "$(dirname "$0")/../.."
source tools/setup/build.sh
quavlet_one_session build/i686 "$quavlet_root/tools/dist/smoke-win32.sh" "$@"
program=$(realpath "$1")
tests=$(realpath "$2")

source tools/musicservice/service.sh
source tools/setup/wine32-env.sh build/i686
quavlet_headless_session build/i686/dist-musicservice.log || exit 1

log=build/i686/dist-smoke.log
QUAVLET_PROGRAM="$program" timeout -k 10 900 "$WINE" "$tests" --gtest_color=no \
  --gtest_filter='Program.*:ProgramFile.*' </dev/null 2>&1 | tr -d '\r' | tee "$log"
# GoogleTest's own verdict: under emulation the exit status may be the emulator's.
grep -q '^\[  PASSED  \] ' "$log" && ! grep -q '^\[  FAILED  \]' "$log"
