#!/usr/bin/env bash
# Installs what building, running and testing need on Debian 12, only what is missing.
# Usage: deps.sh [more packages...]
# 32-bit Wine (and, where the kernel needs it, i386 emulation) comes from wine32-deps.sh, at the
# end. Once wine32 is installed `wine` prefers the 32-bit loader: scripts name the loader they mean.
set -euo pipefail

packages=(
  cmake make ninja-build g++ python3 ccache
  mingw-w64 g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix
  wine64 libwine
  xvfb xdotool x11-apps imagemagick
  fonts-wqy-zenhei googletest libgtest-dev
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-ugly
  sox
)
# Callers add what only they need (tools/dist.sh: zip).
packages+=("$@")

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The shipped program is 32-bit, and it is tested as such.
bash "$(dirname "$0")/wine32-deps.sh"
