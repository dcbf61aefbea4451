#!/usr/bin/env bash
# The 32-bit phase of `make test`: builds the shipped 32-bit program and its window tests in
# build/i686 and runs them under 32-bit Wine, headless, against the local music list service.
# Its last line is "32-bit: N passed, N failed, N skipped"; it exits 1 when a test failed.
# Usage: tools/test-win32.sh [test program...]   (all of those below when none is named)
#
# Where this kernel cannot run 32-bit processes they run under qemu's user emulation, where
# every process is several times slower and an exit status may be the emulator's. So each test
# program runs as one process, the results are read from GoogleTest's own lines, a program that
# ends early is started again on the tests it has not run, and a test that failed is run once
# more on its own.
set -uo pipefail
cd "$(dirname "$0")/.."
source tools/setup/build.sh
quavlet_one_session build/i686 "$quavlet_root/tools/test-win32.sh" "$@"

# The tests that drive the main window, the music list, the player and the skin, and the
# forms layer beneath them.
programs=(
  quavlet_app_tests quavlet_program_tests quavlet_chrome_tests quavlet_form1_musiclist_tests quavlet_form1_player_tests
  quavlet_form1_shortcut_tests quavlet_musiclist_tests quavlet_players_tests
  quavlet_skin_engine_tests quavlet_skin_base_tests quavlet_runtime_tests
)
[ $# -gt 0 ] && programs=("$@")
# A generous bound on one program's run: its tests' own waits are bounded, this is for a hang.
program_timeout=${QUAVLET_WIN32_PROGRAM_TIMEOUT:-400}

started=$(date +%s)
echo "== Building the 32-bit program and its tests"
quavlet_build build/i686 toolchain-i686.cmake ON quavlet "${programs[@]}" || {
  echo "32-bit: 0 passed, 1 failed, 0 skipped (the build failed)"
  exit 1
}
built=$(date +%s)

source tools/musicservice/service.sh
source tools/setup/wine32-env.sh build/i686
cleanup() {
  quavlet_stop_music_service
  quavlet_end_headless_wine
}
trap cleanup EXIT
echo "== 32-bit tests under Wine${QUAVLET_I386_EMULATED:+ (emulated by qemu-i386)}"
quavlet_headless_wine persistent || exit 1
quavlet_start_music_service build/i686/musicservice.log || exit 1

logs=build/i686/test-logs
rm -rf "$logs"
mkdir -p "$logs"

# run_program <program> <log> [GoogleTest arguments...]: one process; its output in the log.
# Written to a file, not a pipe: a Wine service the program happens to start inherits its
# output, and a pipe would stay open until the service ends. In a subshell of its own, whose
# report of a process ended by a signal goes nowhere: the log says what ended.
run_program() {
  local executable=$1 log=$2; shift 2
  (timeout -k 10 "$program_timeout" "$WINE" "$executable" --gtest_color=no "$@" </dev/null >"$log.raw" 2>&1) 2>/dev/null
  tr -d '\r' <"$log.raw" >"$log"
  rm -f "$log.raw"
}

# What a log says of each test it ran, one line each: "<name> passed|failed|skipped". A test that
# started and never finished (its process ended under it) failed, unless it had said it skips:
# under the emulator a process sometimes ends at once after a test skipped ("stack smashing
# detected" in Wine's own code), which is no result of the test's.
results_of() {
  awk '
    /^\[ RUN      \] / { running = $4; skipping = 0 }
    /: Skipped$/ { skipping = 1 }
    /^\[       OK \] / { print $4, "passed"; running = "" }
    /^\[  FAILED  \] [^ ]+ \(/ { print $4, "failed"; running = "" }
    /^\[  SKIPPED \] [^ ]+ \(/ { print $4, "skipped"; running = "" }
    END { if (running != "") print running, (skipping ? "skipped" : "failed") }
  ' "$1"
}

passed=0; failed=0; skipped=0
failures=(); second_tries=()
for program in "${programs[@]}"; do
  executable=$(find build/i686/tests -name "$program.exe" | head -1)
  if [ -z "$executable" ]; then
    echo "$program: not built"; failed=$((failed + 1)); failures+=("$program"); continue
  fi
  program_started=$(date +%s)
  results=$logs/$program.results
  : >"$results"
  # Until GoogleTest says it ran them all: a process that ended early is started again with the
  # tests it had not reached.
  for attempt in $(seq 20); do
    log=$logs/$program.$attempt.log
    exclude=$(cut -d' ' -f1 "$results" | paste -sd: -)
    run_program "$executable" "$log" ${exclude:+"--gtest_filter=-$exclude"}
    results_of "$log" >>"$results"
    grep -qE '^\[==========\] [0-9]+ tests? from .* ran\.' "$log" && break
    echo "  $program ended before its last test (attempt $attempt); see $log"
    # No test started at all: a second start would end the same way.
    [ -n "$(results_of "$log")" ] || { echo "$program failed" >>"$results"; break; }
  done
  # A test that failed runs once more on its own.
  while read -r name outcome; do
    case $outcome in
      passed) passed=$((passed + 1)) ;;
      skipped) skipped=$((skipped + 1)) ;;
      failed)
        retry=$logs/$program.$name.retry.log
        # Judged by its output alone: under the emulator the exit status may be the emulator's.
        [ "$name" != "$program" ] && run_program "$executable" "$retry" "--gtest_filter=$name"
        if [ "$name" != "$program" ] && [ "$(results_of "$retry")" = "$name passed" ]; then
          passed=$((passed + 1)); second_tries+=("$name")
        else
          failed=$((failed + 1)); failures+=("$name")
        fi
        ;;
    esac
  done <"$results"
  # First tries; a test that passed on its second is named below.
  printf '  %-32s %3d passed, %d failed, %d skipped, %ds\n' "$program" \
    "$(grep -c ' passed$' "$results")" "$(grep -c ' failed$' "$results")" \
    "$(grep -c ' skipped$' "$results")" "$(($(date +%s) - program_started))"
done

# The skipped tests with their reasons, as GoogleTest printed them.
for log in "$logs"/*.log; do
  awk '/^\[ RUN      \] / { running = $4 }
       /: Skipped$/ { getline reason; print "  skipped: " running " (" reason ")" }' "$log"
done | sort -u
for name in "${second_tries[@]}"; do echo "  passed only on the second try: $name"; done
for name in "${failures[@]}"; do echo "  FAILED: $name"; done
echo "32-bit build $((built - started))s, tests $(($(date +%s) - built))s"
echo "32-bit: $passed passed, $failed failed, $skipped skipped"
[ "$failed" -eq 0 ]
