#!/usr/bin/env bash
# Installs what running the 32-bit program needs on Debian 12: 32-bit Wine and, when this
# machine's kernel cannot run 32-bit processes itself, user emulation of i386 for them.
# Called by tools/setup/deps.sh; does only what is missing. Needs root (or sudo).
set -euo pipefail

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
export DEBIAN_FRONTEND=noninteractive

installed() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }

updated=no
apt_install() {
  if [ "$updated" = no ]; then
    "${sudo_cmd[@]}" apt-get update -qq
    updated=yes
  fi
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "$@" >/dev/null
}

# A 32-bit Linux program of 84 bytes that exits with status 0 (exit through int 0x80): whether
# it runs says whether this machine runs 32-bit processes, natively or through binfmt_misc.
runs_i386() {
  local probe
  probe=$(mktemp /tmp/quavlet-i386-probe.XXXXXX)
  python3 - "$probe" <<'PY'
import struct, sys
code = bytes([0x31, 0xDB, 0x31, 0xC0, 0x40, 0xCD, 0x80])  # xor ebx,ebx; xor eax,eax; inc eax; int 0x80
base = 0x08048000
header = struct.pack("<4s5B7x2H5I6H", b"\x7fELF", 1, 1, 1, 0, 0, 2, 3, 1, base + 84, 52, 0, 0,
                     52, 32, 1, 0, 0, 0)
program = struct.pack("<8I", 1, 0, base, base, 84 + len(code), 84 + len(code), 5, 0x1000)
open(sys.argv[1], "wb").write(header + program + code)
PY
  chmod +x "$probe"
  local status=0
  "$probe" >/dev/null 2>&1 || status=$?
  rm -f "$probe"
  [ "$status" -eq 0 ]
}

binfmt=/proc/sys/fs/binfmt_misc
if ! runs_i386; then
  installed qemu-user-static || apt_install qemu-user-static
  if [ ! -e "$binfmt/register" ]; then
    "${sudo_cmd[@]}" mount -t binfmt_misc binfmt_misc "$binfmt"
  fi
  # Debian registers i386 with the emulator only on hosts that are not x86. Flag F: the
  # emulator is opened now, so the registration works in any mount namespace.
  if [ ! -e "$binfmt/qemu-i386" ]; then
    printf '%s' ':qemu-i386:M::\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00:\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff:/usr/bin/qemu-i386-static:F' \
      | "${sudo_cmd[@]}" tee "$binfmt/register" >/dev/null
  fi
  [ "$(head -1 "$binfmt/qemu-i386")" = enabled ] || echo 1 | "${sudo_cmd[@]}" tee "$binfmt/qemu-i386" >/dev/null
  runs_i386 || { echo "32-bit programs still do not run after registering qemu-i386" >&2; exit 1; }
fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  "${sudo_cmd[@]}" dpkg --add-architecture i386
  updated=no
fi
# Without the preloader the 32-bit loader cannot map the shared user data. The GStreamer
# plugins are the ones the 64-bit player uses, for 32-bit DirectShow.
missing=()
for package in wine32:i386 wine32-preloader:i386 libwine:i386 \
    gstreamer1.0-plugins-base:i386 gstreamer1.0-plugins-good:i386; do
  installed "$package" || missing+=("$package")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  apt_install "${missing[@]}"
fi
