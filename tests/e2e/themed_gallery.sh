#!/usr/bin/env bash
# Opens the widget gallery at the themed button section, keeps a screenshot of it, and
# moves the real pointer over a style-8 button: the hot look comes, leaving restores the
# normal one, and a button with a tooltip text shows its tooltip window.
set -uo pipefail
source "$(dirname "$0")/lib/common.sh"
mkdir -p "$DUSK_SHOTS"
cd "$DUSK_BUILD/wintest" || exit 1

wine ./gallery.exe 20 &
pid=$!
drive wait DuskGallery 20000; check "gallery window appears" "$?" 0
box=100x20+130+353  # inside the style-8 button of the "normal" column
xdotool mousemove 900 700
shot_settled "$box" gallery-themed
check "screenshot saved" "$([ -s "$DUSK_SHOTS/gallery-themed.png" ] && echo yes)" "yes"
xdotool mousemove 180 363; sleep 0.3; xdotool mousemove 182 363
shot_until "$box" gallery-themed-hover gallery-themed differs; check "hover changes the look" "$?" 0
xdotool mousemove 900 700; sleep 0.3; xdotool mousemove 901 700
shot_until "$box" gallery-themed-after gallery-themed same; check "leaving restores it" "$?" 0
# The custom-colour row carries tooltips: resting on one shows a tooltip window.
tooltip_is() { [ "$(drive visible tooltips_class32)" = "$1" ]; }
xdotool mousemove 180 571; sleep 0.3; xdotool mousemove 182 571
until_true 5 tooltip_is 1; check "tooltip shown" "$?" 0
shot gallery-themed-tooltip
xdotool mousemove 900 700; sleep 0.3; xdotool mousemove 901 700
until_true 5 tooltip_is 0; check "tooltip gone after leaving" "$?" 0
drive post DuskGallery 0x10 0 0
drive wait-gone DuskGallery 10000; check "gallery closes" "$?" 0
wait_ended "$pid" 10
summary
