#!/usr/bin/env bash
# The floating toolbar in the test build of the program (power requests recorded,
# never made): opened at start-up by the settings at its saved place, each button's
# request, Hibernate without the hibernation file, dragging it with the mouse and
# finding it there after a restart, the toolbar page's Save, and Exit from the toolbar
# without and with password protection.
set -uo pipefail
source "$(dirname "$0")/lib/common.sh"
program_folder toolbar
source "$e2e_lib/tray.sh"

# Control ids (src/quick/win/quick_ids.h and the main window's navigation).
nav_toolbar=205 box=6200 save=6210 select_all=6211 select_none=6212 button=6220
SHUTDOWN=0 RESTART=1 LOGOFF=2 HIBERNATE=3 LOCK=4 STANDBY=5 EXIT=6

sed -i 's/^Toolbar_Startup=.*/Toolbar_Startup=1/; s/^Toolbar_Top=.*/Toolbar_Top=1/' config.ini
positions='HKCU\Software\Dusklatch\Settings'
stored() { wine reg query "$positions" /v "toolfrm StartUp_$1" 2>/dev/null | tr -d '\r' | awk 'NF { v = $NF } END { print v }'; }
wine reg add "$positions" /v "toolfrm StartUp_Xpos" /d 1500 /f >/dev/null 2>&1  # 100 pixels
wine reg add "$positions" /v "toolfrm StartUp_Ypos" /d 900 /f >/dev/null 2>&1   # 60 pixels
toolbar_place() { xdotool getwindowgeometry "$(xdotool search --name '^ShapedForm$' | head -1)" 2>/dev/null |
                    awk '/Position/ { sub(/ .*/, "", $2); print $2 }'; }

start_in_tray
drive wait toolfrm 5000 >/dev/null; check "the toolbar opens at start-up" "$?" 0
check "at its saved place" "$(toolbar_place)" "100,60"
check "its caption" "$(drive text toolfrm 0)" ShapedForm
check "the main window stays hidden" "$(drive visible frmMain1)" 0
place=$(toolbar_place)
xdotool mousemove $((${place%,*} + 80)) $((${place#*,} + 32)) sleep 0.2 \
  mousemove $((${place%,*} + 112)) $((${place#*,} + 32))   # over Restart: its tooltip
sleep 1.5
shot toolbar

pressed() {  # the requests one button added to the log, joined with "|"
  local before; before=$(wc -l <"$log")
  drive click toolfrm $((button + $1))
  for _ in $(seq 30); do [ "$(wc -l <"$log")" -gt "$before" ] && break; sleep 0.1; done
  sleep 0.2
  tail -n +"$((before + 1))" "$log" | tr -d '\r' | paste -sd'|'
}
check "Shutdown" "$(pressed $SHUTDOWN)" "privilege on|ExitWindowsEx 8|privilege off"
check "Restart" "$(pressed $RESTART)" "privilege on|ExitWindowsEx 2|privilege off"
check "Log off" "$(pressed $LOGOFF)" "privilege on|ExitWindowsEx 0|privilege off"
matches "Stand By" "$(pressed $STANDBY)" "SetSuspendState 0 0 0"
check "Lock computer" "$(pressed $LOCK)" "LockWorkStation"
check "no message for any of them" "$(drive visible '#32770')" 0

before=$(wc -l <"$log")
drive click toolfrm $((button + HIBERNATE))
check "Hibernate without the file tells why" "$(drive msgbox 5000 | paste -sd'|')" \
  "Dusklatch|error|Hibernation is DISABLED in your system.To enable it go to control panel then click on Power Options.Now click on Hibernate tab.Now mark the checkbox -->Enable Hibernation.Now click on apply and then click on ok button."
drive msgbox-press OK; drive wait-gone '#32770' 3000 >/dev/null
check "and requests nothing" "$(wc -l <"$log")" "$before"
printf 'x' >"$WINEPREFIX/drive_c/hiberfil.sys"
matches "Hibernate with the file" "$(pressed $HIBERNATE)" "SetSuspendState 1 0 0"

# Dragged by its background with the left button, then with the right one: the place
# is stored once the move ends.
drag() {  # mouse button, dx, dy
  local place x y
  place=$(toolbar_place); x=${place%,*}; y=${place#*,}
  xdotool mousemove $((x + 150)) $((y + 53)) mousedown "$1" \
    mousemove $((x + 150 + $2 / 2)) $((y + 53 + $3 / 2)) sleep 0.2 \
    mousemove $((x + 150 + $2)) $((y + 53 + $3)) sleep 0.2 mouseup "$1"
  sleep 0.5
}
drag 1 200 560
check "dragged with the left button" "$(toolbar_place)" "300,620"
check "and stored in twips" "$(stored Xpos),$(stored Ypos)" "4500,9300"
drag 3 -40 -20
check "dragged with the right button" "$(toolbar_place)" "260,600"
check "stored again" "$(stored Xpos),$(stored Ypos)" "3900,9000"

# The toolbar page: Save needs "Load  Toolbar on Windows startup" (or password protection).
drive tray 515; drive wait frmMain1 5000 >/dev/null
drive click frmMain1 $nav_toolbar
check "the page shows the stored options" "$(drive checked frmMain1 $box)$(drive checked frmMain1 $((box + 1)))" 11
drive click frmMain1 $select_none
check "Select None clears top, start-up and Exit" \
  "$(for i in 0 1 2 3 9; do drive checked frmMain1 $((box + i)); done | tr -d '\n')" "00110"
sleep 0.3
shot toolbar-page
drive click frmMain1 $save
check "Save refuses without an option" "$(drive msgbox 5000 | paste -sd'|')" "Dusklatch|error|Please select at least one option "
drive msgbox-press OK; drive wait-gone '#32770' 3000 >/dev/null
drive check frmMain1 $((box + 7)) 0   # Hibernate
drive click frmMain1 $select_all
drive click frmMain1 $save
check "Save after Select All" "$(drive msgbox 5000 | paste -sd'|')" "Dusklatch|information|Settings have been saved !!"
drive msgbox-press OK; drive wait-gone '#32770' 3000 >/dev/null
check "writes the ten keys" "$(sed -n '/^\[Toolbar\]/,/^\[/p' config.ini | tr -d '\r' | grep = | paste -sd' ')" \
  "Toolbar_Top=1 Toolbar_Startup=1 Toolbar_Enabled=1 TShutdown=1 TRestart=1 TLogOff=1 TStandBy=1 THibernate=0 TLock=1 TExit=1"
check "the toolbar keeps its hibernate button" "$(drive visible toolfrm)$(drive shown toolfrm $((button + HIBERNATE)))" 11
drive click frmMain1 302; drive wait-gone frmMain1 5000 >/dev/null

# Exit from the toolbar: No changes nothing, Yes ends the program.
drive click toolfrm $((button + EXIT))
check "Exit asks first" "$(drive msgbox 5000 | paste -sd'|')" "Dusklatch|warning|Do you really want to exit ?"
drive msgbox-press No; drive wait-gone '#32770' 3000 >/dev/null; sleep 0.3
check "No leaves it running" "$(kill -0 $pid 2>/dev/null && echo yes)$(drive visible toolfrm)" yes1
drive click toolfrm $((button + EXIT))
drive msgbox 5000 >/dev/null; drive msgbox-press Yes
wait_ended "$pid" 10
check "Yes ends the program" "$code" 0
check "and takes its tray icon" "$(drive tray 0 >/dev/null 2>&1 && echo there || echo gone)" gone

# Started again, it comes back where it was left; with password protection on, its
# Exit asks for the password before the question.
sed -i 's/^Pass_Enabled=.*/Pass_Enabled=1/' config.ini
start_in_tray
drive wait toolfrm 5000 >/dev/null
check "back at the place it was dragged to" "$(toolbar_place)" "260,600"
drive click toolfrm $((button + EXIT))
drive wait validate 5000 >/dev/null; check "protected, Exit asks for the password" "$?" 0
check "pending the exit" "$(drive text validate 7106)" exit
check "and not the question yet" "$(drive visible '#32770')" 0
drive set-text validate 7103 quazel; drive click validate 7104   # the password, Ok
check "then asks the question" "$(drive msgbox 5000 | paste -sd'|')" "Dusklatch|warning|Do you really want to exit ?"
drive msgbox-press Yes
wait_ended "$pid" 10
check "and Yes ends the program" "$code" 0
wineserver -k 2>/dev/null
summary
