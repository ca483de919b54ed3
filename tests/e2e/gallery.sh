#!/usr/bin/env bash
# Opens the widget gallery, checks that its window and its sections' controls are there,
# and keeps screenshots of the top and of the block progress bar section.
set -uo pipefail
source "$(dirname "$0")/lib/common.sh"
mkdir -p "$DUSK_SHOTS"
cd "$DUSK_BUILD/wintest" || exit 1

# The picture is kept once the window's area differs from the empty desktop taken
# before it opened and its left column (titles and labels; the bars on the right keep
# moving) has stopped changing: never a picture of the desktop alone, of a half-painted
# window, or one left from an earlier run.
gallery_shot() {  # order of the first section to show, picture name
  local l t w h
  xdotool mousemove 900 700
  shot "$2-desktop"
  wine ./gallery.exe "$1" &
  pid=$!
  drive wait DuskGallery 20000; check "gallery window appears ($2)" "$?" 0
  read -r l t w h < <(drive client DuskGallery)
  shot_until "${w}x${h}+${l}+${t}" "$2" "$2-desktop" differs && shot_settled "190x${h}+${l}+${t}" "$2"
  check "the screenshot shows the painted gallery ($2)" "$?" 0
  rm -f "$DUSK_SHOTS/$2-desktop.png"
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
  shot_settled "$box" gallery-before; check "the button's look settles" "$?" 0
  shot_until "$box" gallery-hover gallery-before differs 180 157; check "hover changes the look" "$?" 0
  shot_until "$box" gallery-after gallery-before same 900 700; check "leaving restores it" "$?" 0
  drive post DuskGallery 0x10 0 0
  drive wait-gone DuskGallery 10000
  wait_ended "$pid" 10
}

gallery_shot 0 gallery
gallery_shot 30 gallery-progress
hover
summary
