#!/usr/bin/env bash
# Opens the widget gallery at the themed button section, keeps a screenshot of it, and
# moves the real pointer over a style-8 button: the hot look comes, leaving restores the
# normal one, and a button with a tooltip text shows its tooltip window.
set -uo pipefail
source "$(dirname "$0")/lib/common.sh"
mkdir -p "$DUSK_SHOTS"
cd "$DUSK_BUILD/wintest" || exit 1

box=100x20+130+353  # inside the style-8 button of the "normal" column
xdotool mousemove 900 700
shot gallery-themed-desktop         # to tell the painted button from the empty screen
wine ./gallery.exe 20 &
pid=$!
drive wait DuskGallery 20000; check "gallery window appears" "$?" 0
shot_until "$box" gallery-themed gallery-themed-desktop differs && shot_settled "$box" gallery-themed
check "the screenshot shows the painted button" "$?" 0
rm -f "$DUSK_SHOTS/gallery-themed-desktop.png"
shot_until "$box" gallery-themed-hover gallery-themed differs 180 363; check "hover changes the look" "$?" 0
shot_until "$box" gallery-themed-after gallery-themed same 900 700; check "leaving restores it" "$?" 0
# The custom-colour row carries tooltips: resting on one shows a tooltip window.
tooltip_is() { [ "$(drive visible tooltips_class32)" = "$1" ]; }
# Rests the pointer at x $1, y $2 until the tooltip is shown ($3 = 1) or gone (0). A
# move starts the tooltip's delay again, so the pointer stays put while the tooltip
# is watched (1.5 s, then longer each time), and moves by a pixel only when none came.
rest_until_tooltip() {  # x, y, 1|0
  local round
  for round in 1 2 3 4; do
    xdotool mousemove "$(($1 + round % 2))" "$2" 2>/dev/null
    within $((round * 1500)) tooltip_is "$3" && return 0
  done
  return 1
}
rest_until_tooltip 180 571 1; check "tooltip shown" "$?" 0
shot gallery-themed-tooltip
rest_until_tooltip 900 700 0; check "tooltip gone after leaving" "$?" 0
drive post DuskGallery 0x10 0 0
drive wait-gone DuskGallery 10000; check "gallery closes" "$?" 0
wait_ended "$pid" 10
summary
