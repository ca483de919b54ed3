#!/usr/bin/env bash
# The tray menu used with the mouse, as most people use it: a click on an item runs
# it, a click anywhere else closes the menu without running anything, and resting
# on "Clear Privacy data" opens its sub-menu beside it.
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

# Exit through the mouse as well: the last row, below three dividing lines.
read -r left top width height < <(open_menu)
click_item $((left + width / 2)) "$(row_middle "$top" 10 3)" "$left" "$width"
check "Exit asks first" "$(drive msgbox 5000 | paste -sd'|')" "Dusklatch|warning|Do you really want to exit ?"
drive msgbox-press Yes
wait_ended "$pid" 10
check "and ends the program with exit code 0" "$code" 0
stop_program
summary
