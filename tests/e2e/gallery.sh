#!/usr/bin/env bash
# Opens the widget gallery, checks that its window and its sections' controls are there,
# and keeps screenshots of the top and of the block progress bar section.
set -uo pipefail
source "$(dirname "$0")/lib/common.sh"
mkdir -p "$DUSK_SHOTS"
cd "$DUSK_BUILD/wintest" || exit 1

gallery_shot() {  # order of the first section to show, picture name
  wine ./gallery.exe "$1" &
  pid=$!
  drive wait DuskGallery 20000; check "gallery window appears ($2)" "$?" 0
  sleep 1
  shot "$2"
  check "screenshot saved ($2)" "$([ -s "$DUSK_SHOTS/$2.png" ] && echo yes)" "yes"
  check "progress bars present ($2)" "$(drive enabled DuskGallery 3000)" "1"
  check "candy buttons present ($2)" "$(drive enabled DuskGallery 1000)" "1"
  drive post DuskGallery 0x10 0 0   # WM_CLOSE
  drive wait-gone DuskGallery 10000; check "gallery closes ($2)" "$?" 0
  wait_ended "$pid" 10
}

# The real pointer over a candy button shows its hover look, and leaving restores it.
hover() {
  wine ./gallery.exe &
  pid=$!
  local box=100x16+130+148  # inside the style-2 button of the "normal" column
  drive wait DuskGallery 20000
  xdotool mousemove 900 700
  shot_settled "$box" gallery-before
  xdotool mousemove 180 157; sleep 0.3; xdotool mousemove 182 157
  shot_until "$box" gallery-hover gallery-before differs; check "hover changes the look" "$?" 0
  xdotool mousemove 900 700; sleep 0.3; xdotool mousemove 901 700
  shot_until "$box" gallery-after gallery-before same; check "leaving restores it" "$?" 0
  drive post DuskGallery 0x10 0 0
  drive wait-gone DuskGallery 10000
  wait_ended "$pid" 10
}

gallery_shot 0 gallery
gallery_shot 30 gallery-progress
hover
summary
