#!/usr/bin/env bash
# Runs the test build of the program (power requests recorded, never made) on a
# Windows newer than XP: the tray menu greys lock, stand by and hibernate, choosing
# them neither runs them nor closes the menu, shutting down still works, and the
# countdown offers five actions instead of six.
set -uo pipefail
source "$(dirname "$0")/lib/common.sh"
program_folder later_windows
source "$e2e_lib/tray.sh"

wine reg add 'HKCU\Software\Wine' /v Version /d win7 /f >/dev/null 2>&1
printf 'x' >"$WINEPREFIX/drive_c/hiberfil.sys"   # hibernation would be there

start_in_tray

read -r left top width height < <(open_menu)
must "the tray menu opens" "$([ -n "${top:-}" ] && echo open)" open
shot tray-menu-later-windows
# A click on a greyed item chooses nothing and leaves the menu open, so a later
# click still lands in it. Clicks on Lock, Hibernate and StandBy, then on Shutdown:
# only the shutdown may be requested, and only then may the menu close. Had any of
# the three been chosen, the menu would have closed and the last click would land
# on the empty desktop.
x=$((left + width / 2))
for row in 7 5 4; do
  click_item "$x" "$(row_middle "$top" $row 1)" "$left" "$width"; check "greyed row $row lights up under the pointer" "$?" 0
done
check "the menu stays open after clicks on greyed items" "$(drive menu-count)" 1
click_item "$x" "$(row_middle "$top" 2 1)" "$left" "$width"
until_true 10 test -s "$log"
drive wait-gone '#32768' 3000; check "Shutdown closes it" "$?" 0
drive send Form2 0 0 0 >/dev/null   # returns once the program has handled the click
check "and is the only request" "$(tr -d '\r' <"$log" | paste -sd'|')" "privilege on|ExitWindowsEx 8|privilege off"
check "nothing was said" "$(drive visible '#32770')" 0

drive tray 515
drive wait frmMain1 5000 >/dev/null; check "the main window opens" "$?" 0
drive select frmMain1 1101 4 >/dev/null
check "the countdown offers a fifth action" "$(drive selected frmMain1 1101)" 4
drive select frmMain1 1101 5 >/dev/null
check "but no sixth: the choice stays on the fifth" "$(drive selected frmMain1 1101)" 4

stop_program
summary
