#!/usr/bin/env bash
# `make test`: builds the program and its tests, runs every test headless, ends with
# 'N passed, N failed, N skipped'.
set -uo pipefail
cd "$(dirname "$0")/.."
phase_start=$SECONDS
bash tools/setup/deps.sh || exit 1
source tools/setup/build.sh
quavlet_one_session build/x86_64 "$quavlet_root/tools/test.sh" "$@"
source tools/musicservice/service.sh

times=build/test-phases.txt
mkdir -p build
: >"$times"
# phase_done <name>: the time since the last phase ended, under that name.
phase_done() {
  printf '%s\t%s\n' "$1" $((SECONDS - phase_start)) >>"$times"
  phase_start=$SECONDS
}
phase_done "set-up"
results=(build/native/test-results.json build/x86_64/test-results.json build/i686/test-results.json)
rm -f "${results[@]}"

echo "== Building the native logic tests"
quavlet_build build/native "" ON || exit 1
phase_done "build: native"
echo "== Building the 64-bit program and its tests"
quavlet_build build/x86_64 toolchain-x86_64.cmake ON || exit 1
phase_done "build: 64-bit"

# The shipped 32-bit program: its build and its tests under 32-bit Wine run alongside the rest,
# in a session of their own (build folder, prefix, display, music list service). Its build
# yields to the tests here, which wait on windows far more than they compute.
win32_log=build/test-win32.log
QUAVLET_SUMMARY_ELSEWHERE=1 nice -n 10 bash tools/test-win32.sh >"$win32_log" 2>&1 &
win32_pid=$!

python3 tools/testing/run_tests.py --name native --manifest build/native/test-programs.txt \
  --results build/native/test-results.json --jobs "$quavlet_jobs" --exit-status-counts
phase_done "tests: native"

source tools/setup/wine-env.sh build/x86_64
# A persistent wineserver, booted before the first test, and the local music list service that
# the query tests talk to.
quavlet_headless_session build/musicservice.log || exit 1
# One program at a time under Wine: the window tests share one display, its focus and pointer.
python3 tools/testing/run_tests.py --name 64-bit --manifest build/x86_64/test-programs.txt \
  --results build/x86_64/test-results.json --loader "$WINE" --exit-status-counts
phase_done "tests: 64-bit Wine"

echo "== Waiting for the 32-bit phase (its output: $win32_log)"
wait "$win32_pid"
phase_done "waiting for the 32-bit phase"
grep -E '^(== |  [a-z_0-9]+ +[0-9]+ passed|    skipped|---- )' "$win32_log" || true
# Its own phases ran alongside those above.
sed 's/^\([^\t]*\)\t/\1 (alongside)\t/' build/i686/test-phases.txt >>"$times" 2>/dev/null
printf '%s\t%s\n' "whole run" "$SECONDS" >>"$times"

python3 tools/testing/summary.py "$times" "${results[@]}"
