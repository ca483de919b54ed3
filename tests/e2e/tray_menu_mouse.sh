#!/usr/bin/env bash
# The tray menu used with the mouse, as most people use it: a click on an item runs
# it, a click anywhere else closes the menu without running anything, and resting
# on "Clear Privacy data" opens its sub-menu beside it.
set -uo pipefail
source "$(dirname "$0")/lib/common.sh"
program_folder tray_menu_mouse
source "$e2e_lib/tray.sh"
requests() { tr -d '\r' <"$log" | paste -sd'|'; }

# Opens the menu at the pointer and prints its rectangle: left top width height.
open_menu() {
  xdotool mousemove 600 400 2>/dev/null
  drive tray 517 >/dev/null
  drive menu 5000
}
# The vertical middle of the n-th row of the open menu whose top is $1: rows are
# 22 pixels, each dividing line 7, inside a 3-pixel frame. $2 rows and $3 lines above.
row_middle() { echo $(($1 + 3 + 22 * $2 + 7 * $3 + 11)); }
# Clicks like a person: the pointer moves first, so the item under it lights up.
click_at() {
  xdotool mousemove "$1" "$2" 2>/dev/null; sleep 0.3
  xdotool click 1 2>/dev/null
}

start_in_tray

read -r left top width height < <(open_menu)
check "the menu opens at the pointer" "$([ -n "${top:-}" ] && [ "$left" -ge 590 ] && [ "$left" -le 610 ] && echo yes)" yes
x=$((left + width / 2))
# Restart: below About, Clear Privacy data and one dividing line.
click_at "$x" "$(row_middle "$top" 3 1)"
drive wait-gone '#32768' 3000 >/dev/null; check "a click on an item closes the menu" "$?" 0
for _ in $(seq 30); do [ -s "$log" ] && break; sleep 0.1; done
check "a click on Restart requests a restart" "$(requests)" "privilege on|ExitWindowsEx 2|privilege off"

: >"$log"
read -r left top width height < <(open_menu)
click_at 60 700                      # on the empty desktop
drive wait-gone '#32768' 3000 >/dev/null; check "a click elsewhere closes the menu" "$?" 0
sleep 0.5
check "and runs nothing" "$(requests)" ""
check "no window opened by it" "$(drive visible frmMain1)$(drive visible frmAbout)" 00

read -r left top width height < <(open_menu)
xdotool mousemove $((left + width / 2)) "$(row_middle "$top" 1 0)" 2>/dev/null
sleep 1.2                            # the system's sub-menu delay
check "resting on Clear Privacy data opens the sub-menu" \
  "$(drive menu-count)" 2
import -window root "$DUSK_SHOTS/tray-menu-mouse.png" 2>/dev/null
click_at 60 700
drive wait-gone '#32768' 3000 >/dev/null; check "one click elsewhere closes both" "$?$(drive menu-count)" 00
check "the cleaning commands were not run" "$(requests)" ""

# Exit through the mouse as well: the last row, below three dividing lines.
read -r left top width height < <(open_menu)
click_at $((left + width / 2)) "$(row_middle "$top" 10 3)"
check "Exit asks first" "$(drive msgbox 5000 | paste -sd'|')" "Dusklatch|warning|Do you really want to exit ?"
drive msgbox-press Yes
for _ in $(seq 100); do kill -0 $pid 2>/dev/null || break; sleep 0.1; done
wait $pid; code=$?
check "and ends the program with exit code 0" "$code" 0
wineserver -k 2>/dev/null
summary
