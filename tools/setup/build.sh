# Sourced: configure and build helpers shared by tools/run.sh and tools/test.sh.
quavlet_root=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
quavlet_jobs=$(nproc)
# Paths inside the checkout are hashed relative to it, so another clone hits the same cache.
export CCACHE_BASEDIR=${CCACHE_BASEDIR:-$quavlet_root}

# quavlet_build <folder> <toolchain file or ""> <tests ON/OFF> [targets...]
quavlet_build() {
  local dir=$1 toolchain=$2 tests=$3; shift 3
  local args=(-S "$quavlet_root" -B "$dir" -DCMAKE_BUILD_TYPE=Release -DQUAVLET_TESTS="$tests")
  [ -n "$toolchain" ] && args+=(-DCMAKE_TOOLCHAIN_FILE="$quavlet_root/cmake/$toolchain")
  # Rebuilds after a change, and builds of other checkouts, reuse what was compiled before.
  if command -v ccache >/dev/null 2>&1; then
    args+=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  fi
  local generator="Unix Makefiles"
  command -v ninja >/dev/null 2>&1 && generator=Ninja
  local cache=$dir/CMakeCache.txt
  # A folder made by another generator is made anew; one configured alike is only built: the
  # build itself configures again when a CMake file or a folder of tests or tools changes.
  if [ -f "$cache" ] && ! grep -qx "CMAKE_GENERATOR:INTERNAL=$generator" "$cache"; then
    rm -rf "$dir/CMakeCache.txt" "$dir/CMakeFiles"
  fi
  if [ ! -f "$cache" ] || ! grep -qx "QUAVLET_TESTS:BOOL=$tests" "$cache"; then
    cmake -G "$generator" "${args[@]}" >/dev/null || return 1
  fi
  local targets=()
  for target in "$@"; do targets+=(--target "$target"); done
  cmake --build "$dir" -j "$quavlet_jobs" "${targets[@]}"
}

# quavlet_one_session <build folder> <this script> [its arguments...]: runs the calling script
# anew holding the build folder's lock, unless it holds it already. Two runs on one build folder
# would share its Wine prefix and so its wineserver, and the first to end stops that server
# (wineserver -k) under the other: a Wine process the other is starting then ends at once,
# silently, before its program runs. So a second run waits for the first.
quavlet_one_session() {
  local dir=$1 script=$2; shift 2
  [ "${QUAVLET_SESSION:-}" = "$dir" ] && return 0
  mkdir -p "$dir"
  if ! flock -n "$dir/session.lock" true; then
    echo "Waiting for another run on $dir to end..." >&2
  fi
  # -o: the programs started under the lock do not hold it, so one left behind blocks nobody.
  QUAVLET_SESSION=$dir exec flock -o "$dir/session.lock" bash "$script" "$@"
}

# Starts Xvfb on a free display and exports DISPLAY; quavlet_stop_xvfb ends it.
quavlet_start_xvfb() {
  local display
  for display in $(seq 90 130); do
    if [ ! -e "/tmp/.X11-unix/X$display" ] && [ ! -e "/tmp/.X$display-lock" ]; then
      Xvfb ":$display" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
      quavlet_xvfb_pid=$!
      export DISPLAY=":$display"
      for _ in $(seq 50); do
        [ -e "/tmp/.X11-unix/X$display" ] && return 0
        sleep 0.1
      done
    fi
  done
  echo "could not start Xvfb" >&2
  return 1
}

quavlet_stop_xvfb() {
  [ -n "${quavlet_xvfb_pid:-}" ] && kill "$quavlet_xvfb_pid" 2>/dev/null
  wait "${quavlet_xvfb_pid:-}" 2>/dev/null || true
}
