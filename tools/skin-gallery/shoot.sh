#!/usr/bin/env bash
# Builds the skin gallery, shows it under its own Xvfb and saves its picture.
# Usage: tools/skin-gallery/shoot.sh [picture.png]   (default docs/skin-gallery.png)
set -euo pipefail
cd "$(dirname "$0")/../.."
picture=${1:-docs/skin-gallery.png}
source tools/setup/build.sh
quavlet_one_session build/x86_64 "$quavlet_root/tools/skin-gallery/shoot.sh" "$@"
quavlet_build build/x86_64 toolchain-x86_64.cmake ON skin-gallery >/dev/null
source tools/setup/wine-env.sh build/x86_64
trap quavlet_end_headless_wine EXIT
quavlet_headless_wine

"$WINE" build/x86_64/tools/skin-gallery/skin-gallery.exe >/dev/null 2>&1 &
window=""
for _ in $(seq 150); do
  window=$(xdotool search --name '^Quavlet skin gallery$' 2>/dev/null | head -1) || true
  [ -n "$window" ] && break
  sleep 0.2
done
if [ -z "$window" ]; then
  echo "The gallery window did not appear." >&2
  exit 1
fi
sleep 1.5
mkdir -p "$(dirname "$picture")"
xwd -id "$window" -silent | convert xwd:- "$picture"
echo "Picture: $picture"
