#!/usr/bin/env bash
# Opens the widget gallery, checks that its window and its sections' controls are there,
# and keeps screenshots of the top and of the block progress bar section.
set -uo pipefail
source "$(dirname "$0")/lib/common.sh"
mkdir -p "$DUSK_SHOTS"
cd "$DUSK_BUILD/wintest" || exit 1

shot() {  # order of the first section to show, picture name
  wine ./gallery.exe "$1" &
  local pid=$!
  drive wait DuskGallery 20000; check "gallery window appears ($2)" "$?" 0
  sleep 1
  import -window root "$DUSK_SHOTS/$2.png" 2>/dev/null
  check "screenshot saved ($2)" "$([ -s "$DUSK_SHOTS/$2.png" ] && echo yes)" "yes"
  check "progress bars present ($2)" "$(drive enabled DuskGallery 3000)" "1"
  check "candy buttons present ($2)" "$(drive enabled DuskGallery 1000)" "1"
  drive post DuskGallery 0x10 0 0   # WM_CLOSE
  drive wait-gone DuskGallery 10000; check "gallery closes ($2)" "$?" 0
  wait "$pid" 2>/dev/null
}

# The real pointer over a candy button shows its hover look, and leaving restores it.
hover() {
  wine ./gallery.exe &
  local pid=$! box=100x16+130+148  # inside the style-2 button of the "normal" column
  drive wait DuskGallery 20000
  sleep 1
  xdotool mousemove 900 700; sleep 0.5
  import -window root "$DUSK_SHOTS/gallery-before.png" 2>/dev/null
  xdotool mousemove 180 157; sleep 0.3; xdotool mousemove 182 157; sleep 0.7
  import -window root "$DUSK_SHOTS/gallery-hover.png" 2>/dev/null
  xdotool mousemove 900 700; sleep 0.3; xdotool mousemove 901 700; sleep 1
  import -window root "$DUSK_SHOTS/gallery-after.png" 2>/dev/null
  differ() { compare -metric AE -crop "$box" "$DUSK_SHOTS/$1.png" "$DUSK_SHOTS/$2.png" null: 2>&1 | cut -d' ' -f1; }
  check "hover changes the look" "$([ "$(differ gallery-before gallery-hover)" -gt 100 ] && echo yes)" "yes"
  check "leaving restores it" "$(differ gallery-before gallery-after)" "0"
  drive post DuskGallery 0x10 0 0
  drive wait-gone DuskGallery 10000
  wait "$pid" 2>/dev/null
}

shot 0 gallery
shot 30 gallery-progress
hover
summary
