#!/usr/bin/env bash
# `make dist`: builds the shipped 32-bit program and the 64-bit one from a clean state and
# writes dist/quavlet-<version>-win32.zip and -win64.zip, each with its SHA-256 sum beside it.
# Each archive holds quavlet.exe (stripped), the demo music list service and a README.txt in
# Chinese and English.
set -euo pipefail
cd "$(dirname "$0")/../.."
bash tools/setup/deps.sh zip
source tools/setup/build.sh

version=$(sed -n 's/^#define QUAVLET_VERSION_TEXT "\(.*\)"$/\1/p' assets/product.h)
[ -n "$version" ] || { echo "no version in assets/product.h" >&2; exit 1; }

# What a program may import: the Windows system DLLs, nothing that must be shipped beside it.
system_dlls='^(advapi32|comctl32|comdlg32|gdi32|kernel32|msimg32|msvcrt|ole32|oleaut32|shell32|shlwapi|urlmon|user32|uuid|version|windowscodecs|winhttp|wininet|winmm|ws2_32)\.dll$'

# Checks the stripped program before it ships: system DLLs only, version resource and manifest.
# (Its delay imports are checked by tools/check-delay-imports.py, and the 32-bit one is run.)
check_program() {
  local exe=$1 triplet=$2 dll
  while read -r dll; do
    if ! grep -qiE "$system_dlls" <<<"$dll"; then
      echo "$exe imports $dll, which Windows does not have" >&2
      return 1
    fi
  done < <("$triplet-objdump" -p "$exe" | sed -n 's/^\s*DLL Name: //p')
  local resources
  resources=$("$triplet-windres" -i "$exe" -O rc)
  grep -q 'VERSIONINFO' <<<"$resources" || { echo "$exe has no version resource" >&2; return 1; }
  grep -q '^1 24 ' <<<"$resources" || { echo "$exe has no manifest" >&2; return 1; }
}

# package <win32|win64> <toolchain> <compiler triplet>
package() {
  local flavour=$1 toolchain=$2 triplet=$3
  local tree=build/dist-$flavour name=quavlet-$version-$flavour
  local stage=$tree/stage/$name
  # A tree made anew: nothing left from an earlier build can ship.
  rm -rf "$tree"
  echo "== Building $name"
  if [ "$flavour" = win32 ]; then
    # The shipped program, and the tests that run it.
    quavlet_build "$tree" "$toolchain" ON quavlet quavlet_program_tests
  else
    quavlet_build "$tree" "$toolchain" OFF quavlet
  fi
  mkdir -p "$stage/musicservice"
  "$triplet-strip" --strip-all -o "$stage/quavlet.exe" "$tree/app/quavlet.exe"
  check_program "$stage/quavlet.exe" "$triplet"
  python3 tools/check-delay-imports.py "$stage/quavlet.exe" wininet.dll urlmon.dll winmm.dll shell32.dll
  if [ "$flavour" = win32 ]; then
    echo "== Running the stripped $name under 32-bit Wine"
    bash tools/dist/smoke-win32.sh "$stage/quavlet.exe" "$tree/tests/app/quavlet_program_tests.exe" >"$tree/smoke.log" 2>&1 ||
      { tail -40 "$tree/smoke.log" >&2; echo "the stripped $name failed its run; see $tree/smoke.log" >&2; return 1; }
    grep -E '^\[  (PASSED|SKIPPED) +\]' "$tree/smoke.log"
  fi
  cp tools/musicservice/*.py "$stage/musicservice/"
  # Notepad on older Windows reads UTF-8 only with a byte-order mark, and wants CR LF.
  { printf '\xEF\xBB\xBF'; sed -e "s/@VERSION@/$version/g" -e 's/$/\r/' tools/dist/README.txt; } >"$stage/README.txt"
  # Fixed times and order, so the same sources give the same archive.
  find "$tree/stage" -exec touch -h -d "2010-10-17 12:57:00" {} +
  local archive=$PWD/dist/$name.zip
  (cd "$tree/stage" && find "$name" | LC_ALL=C sort | zip -X -q -@ "$archive")
  (cd dist && sha256sum "$name.zip" >"$name.zip.sha256")
  echo "dist/$name.zip: $(stat -c %s "$tree/app/quavlet.exe") bytes built, $(stat -c %s "$stage/quavlet.exe") stripped"
}

rm -rf dist
mkdir -p dist
package win32 toolchain-i686.cmake i686-w64-mingw32
package win64 toolchain-x86_64.cmake x86_64-w64-mingw32
echo
ls -l dist
(cd dist && sha256sum -c --quiet ./*.sha256)
