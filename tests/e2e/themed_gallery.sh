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
sleep 1
xdotool mousemove 900 700; sleep 0.5
import -window root "$DUSK_SHOTS/gallery-themed.png" 2>/dev/null
check "screenshot saved" "$([ -s "$DUSK_SHOTS/gallery-themed.png" ] && echo yes)" "yes"
box=100x20+130+353  # inside the style-8 button of the "normal" column
xdotool mousemove 180 363; sleep 0.3; xdotool mousemove 182 363; sleep 0.7
import -window root "$DUSK_SHOTS/gallery-themed-hover.png" 2>/dev/null
xdotool mousemove 900 700; sleep 0.3; xdotool mousemove 901 700; sleep 1
import -window root "$DUSK_SHOTS/gallery-themed-after.png" 2>/dev/null
differ() { compare -metric AE -crop "$box" "$DUSK_SHOTS/$1.png" "$DUSK_SHOTS/$2.png" null: 2>&1 | cut -d' ' -f1; }
check "hover changes the look" "$([ "$(differ gallery-themed gallery-themed-hover)" -gt 100 ] && echo yes)" "yes"
check "leaving restores it" "$(differ gallery-themed gallery-themed-after)" "0"
# The custom-colour row carries tooltips: resting on one shows a tooltip window.
xdotool mousemove 180 571; sleep 0.3; xdotool mousemove 182 571; sleep 2
check "tooltip shown" "$(drive visible tooltips_class32)" "1"
import -window root "$DUSK_SHOTS/gallery-themed-tooltip.png" 2>/dev/null
xdotool mousemove 900 700; sleep 0.3; xdotool mousemove 901 700; sleep 0.5
check "tooltip gone after leaving" "$(drive visible tooltips_class32)" "0"
drive post DuskGallery 0x10 0 0
drive wait-gone DuskGallery 10000; check "gallery closes" "$?" 0
wait "$pid" 2>/dev/null
summary
