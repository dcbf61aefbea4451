#!/usr/bin/env bash
# Draws the program's pictures and icons with ImageMagick and writes them beside this script:
# 24-bit BMP pictures in pictures/ (magenta 255,0,255 = transparent: those pixels are left
# undrawn) and 24-bit icons in icons/ (packed by make_icon.py). Pure blue 0,0,255 is the shaped
# windows' colour key: a pixel drawn in it becomes a hole, which rounds the corners of pictures
# that have no transparent pixels. One function per picture; run with no argument to draw all,
# or name the pictures to draw.
set -euo pipefail
cd "$(dirname "$0")"
mkdir -p pictures icons
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

cjk=/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc
latin=DejaVu-Sans-Bold

title_top='#f6fbff'
title_bottom='#c2dcf4'
title_text='#1d5fa6'
glyph='#2b5d92'
client='#dcecf9'
strip='#f1f7fd'
rim='#5b8fc4'
transparent='#ff00ff'
key='#0000ff'

# save <source> <target.bmp>: a 24-bit BMP without alpha.
save() { convert "$1" -alpha off -type TrueColor "BMP3:$2"; }

# masked <picture> <hard mask (white = keep)> <outside colour> <target>: the picture where the
# mask is white, the outside colour elsewhere, with no blended edge.
masked() {
  local size
  size=$(identify -format '%wx%h' "$1")
  convert -size "$size" xc:"$3" "$1" "$2" -compose over -composite "$work/masked.png"
  save "$work/masked.png" "$4"
}

# The title strip's background, 28 rows high; Image1 and Image5 share it.
title_strip() {  # <width> <height> <target>
  convert -size "$1x28" gradient:"$title_top-$title_bottom" -crop "$1x$2+0+0" +repage "$3"
}

# Image1, 600 x 325: the main window's face. Title strip with the minimise, maximise and close
# glyphs at the top right (under MI at 512,1 and CL at 561,1), light client area, lighter bottom
# strip, a rim, and rounded corners that are transparent.
draw_face() {
  title_strip 600 28 "$work/strip.png"
  convert -size 600x325 xc:"$client" "$work/strip.png" -geometry +0+0 -composite \
    -fill '#8fb8df' -draw 'rectangle 0,28 599,28' \
    -fill white -draw 'rectangle 0,29 599,29' \
    -fill '#c3dbf1' -draw 'rectangle 6,74 593,74' \
    -fill '#b9d3ec' -draw 'rectangle 0,298 599,298' \
    -fill "$strip" -draw 'rectangle 0,299 599,324' \
    -fill '#a9c8e6' -draw 'rectangle 537,4 537,14' -draw 'rectangle 560,4 560,14' \
    -fill "$glyph" -draw 'rectangle 520,11 529,12' \
    -fill none -stroke "$glyph" -strokewidth 1 +antialias \
    -draw 'rectangle 544,5 553,13' -draw 'line 544,6 553,6' \
    -draw 'line 575,5 583,13' -draw 'line 576,5 584,13' -draw 'line 583,5 575,13' -draw 'line 584,5 576,13' \
    "$work/face.png"
  convert -size 600x325 xc:black +antialias -fill white -draw 'roundrectangle 0,0 599,324 8,8' "$work/face-mask.png"
  convert "$work/face.png" +antialias -fill none -stroke "$rim" -strokewidth 1 \
    -draw 'roundrectangle 0,0 599,324 8,8' "$work/face-rim.png"
  masked "$work/face-rim.png" "$work/face-mask.png" "$transparent" pictures/face.bmp
}

# Image5, 227 x 24: the program's name and a slogan on the title strip's colours. It has no
# transparent pixels; its top-left corner is drawn in the colour key, so the window stays round.
draw_title() {
  title_strip 227 24 "$work/title-strip.png"
  convert "$work/title-strip.png" \
    -font "$latin" -pointsize 15 -fill white -annotate +10+18 'Quavlet' \
    -fill "$title_text" -annotate +9+17 'Quavlet' \
    -font "$cjk" -pointsize 12 -fill '#4a7fb5' -annotate +86+17 '好友空间音乐，一点就听' \
    -fill "$rim" -draw 'point 8,0' -draw 'point 5,1' -draw 'point 3,2' -draw 'point 2,3' -draw 'point 1,5' -draw 'point 0,8' \
    "$work/title.png"
  convert -size 227x24 xc:black +antialias -fill white -draw 'roundrectangle 0,0 260,60 8,8' "$work/title-mask.png"
  masked "$work/title.png" "$work/title-mask.png" "$key" pictures/title.bmp
}

# The logo: a white quaver on a blue disc. Image2 (47 x 47) and the icons use it.
draw_logo_png() {  # <size> <target.png> <background>
  local size=$1 target=$2 background=$3
  local s=$((size * 8))
  convert -size ${s}x${s} xc:"$background" \
    -fill '#1d68b3' -draw "circle $((s / 2)),$((s / 2)) $((s / 2)),$((s / 32))" \
    -fill '#3d92dc' -draw "circle $((s / 2)),$((s * 15 / 32)) $((s / 2)),$((s * 3 / 32))" \
    -fill white \
    -draw "ellipse $((s * 13 / 32)),$((s * 22 / 32)) $((s * 5 / 32)),$((s * 4 / 32)) 0,360" \
    -draw "rectangle $((s * 16 / 32)),$((s * 7 / 32)) $((s * 18 / 32)),$((s * 22 / 32))" \
    -draw "polygon $((s * 18 / 32)),$((s * 7 / 32)) $((s * 25 / 32)),$((s * 12 / 32)) $((s * 25 / 32)),$((s * 16 / 32)) $((s * 18 / 32)),$((s * 11 / 32))" \
    -resize ${size}x${size} "$target"
}

draw_logo() {
  draw_logo_png 47 "$work/logo.png" "$client"
  save "$work/logo.png" pictures/logo.bmp
}

# CL, 38 x 17: the highlighted close button, a white cross on red, with the window's rounded
# top-right corner kept (in the colour key).
draw_close() {
  convert -size 38x17 gradient:'#f0674f-#c8321f' \
    -fill none -stroke white -strokewidth 1 +antialias \
    -draw 'line 14,4 23,12' -draw 'line 15,4 24,12' -draw 'line 23,4 14,12' -draw 'line 24,4 15,12' \
    "$work/close.png"
  convert -size 38x17 xc:black +antialias -fill white -draw 'roundrectangle -20,-1 38,30 8,8' "$work/close-mask.png"
  masked "$work/close.png" "$work/close-mask.png" "$key" pictures/close.bmp
}

# MI, 26 x 17: the highlighted minimise button, a white bar on blue.
draw_minimize() {
  convert -size 26x17 gradient:'#6cb6f0-#2f80cc' \
    -fill white -draw 'rectangle 8,10 17,11' \
    "$work/minimize.png"
  save "$work/minimize.png" pictures/minimize.bmp
}

# Image3 of Form3, 200 x 100: the notice that a song can't be played. A red prohibition sign
# above two lines of red text, on a transparent background, each rimmed in white so it reads
# over whatever lies beneath; drawn without anti-aliasing so no blended pixel rims the shapes
# where the background is keyed out.
draw_notice() {
  local red='#e01010' line1='该歌曲无法播放！' line2='地址可能已失效或禁止外链'
  local rim=() dx dy
  for dx in -1 0 1; do
    for dy in -1 0 1; do
      rim+=(-pointsize 16 -annotate "+$dx+$((55 + dy))" "$line1" -pointsize 14 -annotate "+$dx+$((78 + dy))" "$line2")
    done
  done
  convert -size 200x100 xc:"$transparent" +antialias \
    -fill none -stroke white -strokewidth 10 -draw 'circle 100,27 100,6' -draw 'line 86,13 114,41' \
    -stroke "$red" -strokewidth 6 -draw 'circle 100,27 100,6' -draw 'line 86,13 114,41' \
    -stroke none -font "$cjk" -gravity north -fill white "${rim[@]}" \
    -fill "$red" -pointsize 16 -annotate +0+55 "$line1" -annotate +1+55 "$line1" \
    -pointsize 14 -annotate +0+78 "$line2" \
    "$work/notice.png"
  save "$work/notice.png" pictures/notice.bmp
}

# The program's icon: 48 x 48, 24 bits per pixel.
draw_icon() {
  draw_logo_png 48 "$work/icon.png" white
  save "$work/icon.png" "$work/icon.bmp"
  python3 make_icon.py "$work/icon.bmp" icons/quavlet.ico
}

# The About window's icon: 32 x 32, 256 colours (an 8-bit palette).
draw_about_icon() {
  draw_logo_png 32 "$work/about.png" white
  convert "$work/about.png" -alpha off -colors 256 -type Palette -compress None "BMP3:$work/about.bmp"
  python3 make_icon.py "$work/about.bmp" icons/about.ico
}

pictures=("$@")
[ ${#pictures[@]} -gt 0 ] || pictures=(face title logo close minimize notice icon about_icon)
for picture in "${pictures[@]}"; do
  "draw_$picture"
  echo "drew $picture"
done
