# Sourced: the 32-bit Wine environment of one build folder ($1), where the shipped 32-bit program
# and its tests run. The same set-up as tools/setup/wine-env.sh (a prefix of the folder's own,
# headless runs), with the 32-bit loader and a 32-bit prefix. tools/setup/wine32-deps.sh installs it.
# Once wine32 is installed /usr/bin/wine prefers the 32-bit loader: every script names the
# loader it means.
source "$(dirname "${BASH_SOURCE[0]}")/wine-env.sh" "$1"
export WINE=/usr/lib/wine/wine
# The 64-bit server serves 32-bit programs as well, and runs natively where the programs may not.
export WINESERVER=/usr/lib/wine/wineserver64
export WINEARCH=win32
quavlet_prefix_marker=.quavlet-ready-4-win32

# Whether 32-bit processes run through qemu's user emulation here (binfmt_misc) rather than on
# the kernel itself. The emulator cannot do everything a kernel does (memory read from another
# process comes back wrong); the tests that need that ask QUAVLET_I386_EMULATED and say why they
# skip.
quavlet_i386_emulated() {
  local entry
  for entry in /proc/sys/fs/binfmt_misc/*; do
    [ -f "$entry" ] || continue
    grep -q '^magic 7f454c4601010100000000000000000002000300' "$entry" 2>/dev/null || continue
    grep -qx enabled "$entry" && grep -q '^interpreter .*qemu' "$entry" && return 0
  done
  return 1
}
if quavlet_i386_emulated; then
  export QUAVLET_I386_EMULATED=1
else
  unset QUAVLET_I386_EMULATED
fi
