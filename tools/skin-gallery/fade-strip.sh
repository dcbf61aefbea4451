#!/usr/bin/env bash
# Records a hover fade of a live skinned button as a strip of frames: the pointer comes onto the
# button (the hot face fades in over the normal one), then leaves (the hot face is laid on at 140
# and the normal face fades back). The gallery reads the button back after each 15 ms step of
# its fade timer, so the frames are what the engine drew, at any machine speed.
# Usage: tools/skin-gallery/fade-strip.sh [picture.png]   (default docs/skin-fade.png)
set -euo pipefail
cd "$(dirname "$0")/../.."
picture=${1:-docs/skin-fade.png}
source tools/setup/build.sh
quavlet_one_session build/x86_64 "$quavlet_root/tools/skin-gallery/fade-strip.sh" "$@"
quavlet_build build/x86_64 toolchain-x86_64.cmake ON skin-gallery >/dev/null
source tools/setup/wine-env.sh build/x86_64
frames=$(mktemp -d)
cleanup() {
  quavlet_end_headless_wine
  rm -rf "$frames"
}
trap cleanup EXIT
quavlet_headless_wine

timeout 60 "$WINE" build/x86_64/tools/skin-gallery/skin-gallery.exe --live --record-fade "$(winepath -w "$frames" 2>/dev/null || echo "Z:$frames")" >/dev/null 2>&1

# The steps shown: the cross-fade changes most in its first steps (each blend lays the new face
# over what the last one left).
font=$(fc-match -f '%{file}' sans)
strip=()
for frame in in-000 in-002 in-004 in-008 in-016 in-086 out-000 out-002 out-004 out-008 out-016 out-086; do
  file="$frames/$frame.bmp"
  [ -f "$file" ] || { echo "Frame $frame was not recorded." >&2; exit 1; }
  step=${frame#*-}
  phase=${frame%-*}
  label="$([ "$phase" = in ] && echo hover || echo leave) $((10#$step * 15)) ms"
  convert "$file" -scale 200% -bordercolor white -border 6 -gravity south -background white -splice 0x16 \
    -font "$font" -pointsize 11 -annotate +0+2 "$label" "$frames/strip-$frame.png"
  strip+=("$frames/strip-$frame.png")
done
mkdir -p "$(dirname "$picture")"
convert "${strip[@]}" +append "$picture"
echo "Picture: $picture"
