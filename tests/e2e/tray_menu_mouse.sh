#!/usr/bin/env bash
# The tray menu used with the mouse, as most people use it: a click on an item runs
# it, a click anywhere else closes the menu without running anything, and resting
# on "Clear Privacy data" opens its sub-menu beside it, whose items are clicked the
# same way.
set -uo pipefail
source "$(dirname "$0")/lib/common.sh"
program_folder tray_menu_mouse
source "$e2e_lib/tray.sh"
requests() { tr -d '\r' <"$log" | paste -sd'|'; }
# A message sent to the program returns once it is back in its message loop: by then
# whatever the menu's answer set off has been done.
settled() { drive send Form2 0 0 0 >/dev/null; }

start_in_tray

read -r left top width height < <(open_menu)
check "the menu opens at the pointer" "$([ -n "${top:-}" ] && [ "$left" -ge 590 ] && [ "$left" -le 610 ] && echo yes)" yes
x=$((left + width / 2))
# Restart: below About, Clear Privacy data and one dividing line.
click_item "$x" "$(row_middle "$top" 3 1)" "$left" "$width"; check "the row under the pointer lights up" "$?" 0
drive wait-gone '#32768' 3000 >/dev/null; check "a click on an item closes the menu" "$?" 0
until_true 3 test -s "$log"
check "a click on Restart requests a restart" "$(requests)" "privilege on|ExitWindowsEx 2|privilege off"

: >"$log"
read -r left top width height < <(open_menu)
click_at 60 700                      # on the empty desktop
drive wait-gone '#32768' 3000 >/dev/null; check "a click elsewhere closes the menu" "$?" 0
settled
check "and runs nothing" "$(requests)" ""
check "no window opened by it" "$(drive visible frmMain1)$(drive visible frmAbout)" 00

read -r left top width height < <(open_menu)
xdotool mousemove $((left + width / 2)) "$(row_middle "$top" 1 0)" 2>/dev/null
two_menus() { [ "$(drive menu-count)" = 2 ]; }
until_true 5 two_menus               # after the system's sub-menu delay
check "resting on Clear Privacy data opens the sub-menu" "$(drive menu-count)" 2
shot tray-menu-mouse
click_at 60 700
drive wait-gone '#32768' 3000 >/dev/null; check "one click elsewhere closes both" "$?$(drive menu-count)" 00
settled
check "choosing nothing" "$(requests)$(drive visible frmMain1)$(drive visible Form4)" 00

# A cleaning command chosen in the sub-menu with the mouse: the recycle bin (only
# recorded by the test build) is emptied and the program says so.
read -r left top width height < <(open_menu)
xdotool mousemove $((left + width / 2)) "$(row_middle "$top" 1 0)" 2>/dev/null
until_true 5 two_menus
read -r sleft stop swidth sheight < <(drive menus | grep -v "^$left $top ")
beside() {  # to the right of the menu, or to its left where the screen ends
  [ -n "${stop:-}" ] && { [ "$sleft" -ge $((left + width - 10)) ] || [ $((sleft + swidth)) -le $((left + 10)) ]; }
}
check "the sub-menu opens beside the menu" "$(beside && echo yes || echo "no: menu $left+$width, sub-menu ${sleft:-}+${swidth:-}")" yes
shot tray-menu-mouse-cleaning
# Empty Recycle Bin: the third row, below Delete All, a dividing line and Clear
# Temporary Files.
click_item $((sleft + swidth / 2)) "$(row_middle "$stop" 2 1)" "$sleft" "$swidth"
check "its row lights up under the pointer" "$?" 0
check "the command says what it did" "$(drive msgbox 5000 | paste -sd'|')" \
  "Dusklatch|information|Recycle bin has been emptied"
check "both menus closed" "$(drive menu-count)" 0
check "after emptying the recycle bin, and nothing else" "$(requests)" "empty recycle bin 7"
drive msgbox-press OK; drive wait-gone '#32770' 3000 >/dev/null

# Exit through the mouse as well: the last row, below three dividing lines.
read -r left top width height < <(open_menu)
click_item $((left + width / 2)) "$(row_middle "$top" 10 3)" "$left" "$width"
check "Exit asks first" "$(drive msgbox 5000 | paste -sd'|')" "Dusklatch|warning|Do you really want to exit ?"
drive msgbox-press Yes
wait_ended "$pid" 10
check "and ends the program with exit code 0" "$code" 0
stop_program
summary
