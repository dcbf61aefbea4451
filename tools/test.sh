#!/usr/bin/env bash
# `make test`: builds the program and its tests, runs every test headless, ends with 'N passed, N failed'.
set -uo pipefail
cd "$(dirname "$0")/.."
bash tools/setup/deps.sh || exit 1
source tools/setup/build.sh
quavlet_one_session build/x86_64 "$quavlet_root/tools/test.sh" "$@"
source tools/musicservice/service.sh

set -e
echo "== Building the native logic tests"
quavlet_build build/native "" ON
echo "== Building the 64-bit program and its tests"
quavlet_build build/x86_64 toolchain-x86_64.cmake ON
set +e

source tools/setup/wine-env.sh build/x86_64
cleanup() {
  quavlet_stop_music_service
  quavlet_end_headless_wine
}
trap cleanup EXIT
# A persistent wineserver, booted before ctest.
quavlet_headless_wine persistent || exit 1

# The local music list service that the query tests talk to.
quavlet_start_music_service build/musicservice.log || exit 1

passed=0; failed=0
run_ctest() {
  local name=$1 dir=$2; shift 2
  echo "== $name"
  local log=$dir/ctest.log
  (cd "$dir" && ctest --output-on-failure "$@") 2>&1 | tr -d '\r' | tee "$log"
  local line
  line=$(grep -E 'tests passed, [0-9]+ tests? failed out of [0-9]+' "$log" | tail -1)
  if [ -z "$line" ]; then
    if grep -q 'No tests were found' "$log"; then return; fi
    failed=$((failed + 1)); return
  fi
  local total bad
  bad=$(sed -E 's/.*, ([0-9]+) tests? failed out of ([0-9]+).*/\1/' <<<"$line")
  total=$(sed -E 's/.*, ([0-9]+) tests? failed out of ([0-9]+).*/\2/' <<<"$line")
  passed=$((passed + total - bad)); failed=$((failed + bad))
}

# Tests that failed and then passed when run again, read from a ctest log: one line each, the
# test's name and, when its failed try printed nothing at all, "no output" (a test program
# always prints its banner first, so that try never reached the program's main).
second_tries() {
  awk '
    /Test +#[0-9]+: / {
      name = $0; sub(/.*Test +#[0-9]+: /, "", name); sub(/ .*/, "", name)
      if ($0 ~ /   Passed +[0-9.]+ sec$/) {
        if (name in failedOnce) print name (silent[name] ? " no output" : "")
        delete failedOnce[name]
      } else {
        failedOnce[name] = 1; watch = name; next
      }
    }
    watch != "" { silent[watch] = ($0 == ""); watch = "" }
  ' "$1"
}

run_ctest "Native logic tests" build/native -j "$quavlet_jobs"
# One at a time under Wine: the window tests share one display, its focus and its pointer.
# A test that fails is run once more, and the summary names every test that needed it, so a
# flaky test is seen.
run_ctest "Window tests under Wine" build/x86_64 --repeat until-pass:2

# The shipped 32-bit program and its tests under 32-bit Wine: a phase of its own (its build
# folder, prefix, server and music list service), whose last line is its summary.
echo "== The 32-bit program and its tests under 32-bit Wine"
bash tools/test-win32.sh 2>&1 | tee build/test-win32.log
win32=$(grep -E '^32-bit: [0-9]+ passed, [0-9]+ failed, [0-9]+ skipped' build/test-win32.log | tail -1)
[ -n "$win32" ] || win32="32-bit: 0 passed, 1 failed, 0 skipped (no summary)"
read -r passed32 failed32 skipped32 < <(sed -E 's/^32-bit: ([0-9]+) passed, ([0-9]+) failed, ([0-9]+) skipped.*/\1 \2 \3/' <<<"$win32")

echo
retried=$(second_tries build/x86_64/ctest.log)
if [ -n "$retried" ]; then
  echo "$(wc -l <<<"$retried") passed only on the second try:"
  sed 's/ no output$/ (the first try printed nothing: its program never started)/; s/^/  /' <<<"$retried"
fi
echo "native and 64-bit: $passed passed, $failed failed"
echo "$win32"
passed=$((passed + passed32)); failed=$((failed + failed32))
echo "$passed passed, $failed failed"
[ "$failed" -eq 0 ]
