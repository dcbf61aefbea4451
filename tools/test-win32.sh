#!/usr/bin/env bash
# The 32-bit phase of `make test`: builds the shipped 32-bit program and its window tests in
# build/i686 and runs them under 32-bit Wine, headless, against a local music list service of
# its own. It writes build/i686/test-results.json and build/i686/test-phases.txt for the summary;
# run alone it prints its own summary, whose last line counts its tests.
# Usage: tools/test-win32.sh [test program...]   (all of those below when none is named)
#
# Where this kernel cannot run 32-bit processes they run under qemu's user emulation, where
# every process is several times slower and an exit status may be the emulator's: results are
# read from GoogleTest's own lines, and a process may print nothing for longer.
set -uo pipefail
cd "$(dirname "$0")/.."
source tools/setup/build.sh
quavlet_one_session build/i686 "$quavlet_root/tools/test-win32.sh" "$@"

# The tests that drive the main window, the music list, the player and the skin, and the
# forms layer beneath them.
programs=(
  quavlet_app_tests quavlet_program_tests quavlet_chrome_tests quavlet_form1_musiclist_tests
  quavlet_form1_player_tests quavlet_form1_shortcut_tests quavlet_musiclist_tests
  quavlet_players_tests quavlet_skin_engine_tests quavlet_skin_base_tests quavlet_runtime_tests
)
[ $# -gt 0 ] && programs=("$@")

times=build/i686/test-phases.txt
results=build/i686/test-results.json
mkdir -p build/i686
: >"$times"
rm -f "$results"
start=$SECONDS

echo "== Building the 32-bit program and its tests"
if ! quavlet_build build/i686 toolchain-i686.cmake ON quavlet "${programs[@]}"; then
  printf 'build: 32-bit\t%s\n' $((SECONDS - start)) >>"$times"
  python3 tools/testing/summary.py "$times" "$results"
  exit 1
fi
printf 'build: 32-bit\t%s\n' $((SECONDS - start)) >>"$times"
start=$SECONDS

source tools/musicservice/service.sh
source tools/setup/wine32-env.sh build/i686
echo "== 32-bit tests under Wine${QUAVLET_I386_EMULATED:+ (emulated by qemu-i386)}"
quavlet_headless_session build/i686/musicservice.log || exit 1

# Under the emulator a Wine process may end with the emulator's status: only GoogleTest's lines
# count, and a program may be quiet for longer before it is taken for hung.
only=$(IFS=,; echo "${programs[*]}")
python3 tools/testing/run_tests.py --name 32-bit --manifest build/i686/test-programs.txt \
  --results "$results" --loader "$WINE" --only "$only" --quiet-limit 400
printf 'tests: 32-bit Wine\t%s\n' $((SECONDS - start)) >>"$times"

[ -n "${QUAVLET_SUMMARY_ELSEWHERE:-}" ] && exit 0
python3 tools/testing/summary.py "$times" "$results"
