#!/usr/bin/env bash
# Drives the tray menu of the test build of the program (power requests recorded,
# never made): each power command gives its request at once, Hibernate without the
# hibernation file only tells why, and the window commands open their windows; the
# about window is modal over the tray menu's window and the program goes on behind it.
set -uo pipefail
source "$(dirname "$0")/lib/common.sh"
program_folder tray_menu
source "$e2e_lib/tray.sh"

start_in_tray

drive tray 517; drive menu 5000 >/dev/null; check "right click pops the menu" "$?" 0
for _ in 1 2 3; do key 0x28; done   # highlight Shutdown
sleep 0.5
shot tray-menu
key 0x26; key 0x27                  # up to "Clear Privacy data", open it
menus() { [ "$(drive menu-count)" = "$1" ]; }
until_true 3 menus 2; check "Right opens the sub-menu" "$(drive menu-count)" 2
shot tray-menu-cleaning
# Each Esc closes one menu at once: nothing else may be what closes them. Two seconds
# leave room for a loaded machine and none for a close that comes on its own later.
key 0x1B
within 2000 menus 1; check "Esc closes the sub-menu alone, at once" "$?:$(drive menu-count)" 0:1
key 0x1B
drive wait-gone '#32768' 2000 >/dev/null; check "a second Esc closes the menu at once" "$?" 0
check "closing chooses nothing" "$(wc -l <"$log")" 0

check "Shutdown" "$(requests_of $SHUTDOWN)" "privilege on|ExitWindowsEx 8|privilege off"
check "Restart" "$(requests_of $RESTART)" "privilege on|ExitWindowsEx 2|privilege off"
check "StandBy" "$(requests_of $STANDBY)" "privilege on|SetSuspendState 0 0 0|privilege off"
check "Log off" "$(requests_of $LOGOFF)" "privilege on|ExitWindowsEx 0|privilege off"
check "Lock computer" "$(requests_of $LOCK)" "LockWorkStation"
check "no message for any of them" "$(drive visible '#32770')" 0
check "still running after them" "$(kill -0 $pid 2>/dev/null && echo yes)" yes

before=$(wc -l <"$log")
choose $HIBERNATE
box=$(drive msgbox 5000 | paste -sd'|')
check "Hibernate without the file tells why" "$box" \
  "Dusklatch|error|Hibernation is DISABLED in your system.To enable it go to control panel then click on Power Options.Now click on Hibernate tab.Now mark the checkbox -->Enable Hibernation.Now click on apply and then click on ok button."
drive msgbox-press OK
drive wait-gone '#32770' 3000 >/dev/null
check "and requests nothing" "$(wc -l <"$log")" "$before"
# The hibernation file sits at the root of the drive that holds the Start Menu.
printf 'x' >"$WINEPREFIX/drive_c/hiberfil.sys"
wine cmd /c attrib +h +s +r 'C:\hiberfil.sys' >/dev/null 2>&1
check "Hibernate with a hidden system file" "$(requests_of $HIBERNATE)" "privilege on|SetSuspendState 1 0 0|privilege off"
before=$(wc -l <"$log")             # the window commands below request nothing

choose $SCHEDULE
drive wait frmMain1 5000 >/dev/null; check "Add a schedule shows the main window" "$?" 0
check "on the Schedule page" "$(drive shown frmMain1 107)$(drive shown frmMain1 101)" 10
drive click frmMain1 202            # the Cleanup entry
drive click frmMain1 302            # hide again
drive wait-gone frmMain1 5000 >/dev/null
choose $MAIN
drive wait frmMain1 5000 >/dev/null; check "Open Main window shows the main window" "$?" 0
check "always on the Main page" "$(drive shown frmMain1 101)$(drive shown frmMain1 103)" 10
drive click frmMain1 302; drive wait-gone frmMain1 5000 >/dev/null

# About opens modal over the tray menu's window Form2, which stays disabled meanwhile.
choose $ABOUT
drive wait frmAbout 5000 >/dev/null; check "About opens the about window" "$?" 0
check "owned by the tray menu's window" "$(drive owner frmAbout)" Form2
check "which is disabled while it is open" "$(drive enabled Form2 0)" 0
check "the main window stays hidden" "$(drive visible frmMain1)" 0
check "its Ok" "$(drive text frmAbout 1)" Ok
sleep 0.5
shot about
# The menu still opens over it; About again only brings the open window forward.
choose $ABOUT
check "a second About keeps the one modal window" "$(drive visible frmAbout)$(drive enabled Form2 0)" 10
drive tray 515
drive wait-gone frmAbout 5000 >/dev/null; check "the icon's double click closes it" "$?" 0
drive wait frmMain1 5000 >/dev/null; check "and shows the main window" "$?" 0
check "Form2 enabled again" "$(drive enabled Form2 0)" 1
drive click frmMain1 302; drive wait-gone frmMain1 5000 >/dev/null

choose $ABOUT; drive wait frmAbout 5000 >/dev/null
drive click frmAbout 1              # Ok
drive wait-gone frmAbout 5000 >/dev/null; check "Ok closes it" "$?" 0
drive wait frmMain1 5000 >/dev/null; check "and shows the main window" "$?" 0
check "Form2 enabled after Ok" "$(drive enabled Form2 0)" 1
drive click frmMain1 302; drive wait-gone frmMain1 5000 >/dev/null

choose $ABOUT; drive wait frmAbout 5000 >/dev/null
drive post frmAbout 0x100 0x1B 0    # Esc
drive wait-gone frmAbout 5000 >/dev/null; check "Esc closes it" "$?" 0
choose $ABOUT; drive wait frmAbout 5000 >/dev/null
drive click frmAbout 0              # on the window's surface
drive wait-gone frmAbout 5000 >/dev/null; check "a click on its surface closes it" "$?" 0
sleep 0.3
check "neither shows the main window" "$(drive visible frmMain1)$(drive enabled Form2 0)" 01
check "no request from the window commands" "$(wc -l <"$log" | tr -d ' ')" "$before"

# While it is open the countdown goes on.
drive tray 515; drive wait frmMain1 5000 >/dev/null
drive set-text frmMain1 1112 "05"   # five minutes
drive click frmMain1 1130           # arm
drive msgbox 5000 >/dev/null; drive msgbox-press OK
drive wait-gone '#32770' 3000 >/dev/null
choose $ABOUT; drive wait frmAbout 5000 >/dev/null
first=$(drive text frmMain1 303); sleep 2.2; second=$(drive text frmMain1 303)
check "the countdown ticks on behind it" \
  "$([[ "$first" =~ Seconds\ Remaining$ ]] && [ "$first" != "$second" ] && echo yes || echo "no: '$first' then '$second'")" yes
check "still open" "$(drive visible frmAbout)" 1

# Exit from the tray menu while it is open: No leaves it open, Yes ends the program.
drive tray 517; drive menu 5000 >/dev/null; drive menu-choose 10 >/dev/null
check "Exit asks over it" "$(drive msgbox 5000 | paste -sd'|')" "Dusklatch|warning|Do you really want to exit ?"
drive msgbox-press No; drive wait-gone '#32770' 3000 >/dev/null; sleep 0.3
check "No leaves it open and modal" "$(drive visible frmAbout)$(drive enabled Form2 0)" 10
drive tray 517; drive menu 5000 >/dev/null; drive menu-choose 10 >/dev/null
drive msgbox 5000 >/dev/null; drive msgbox-press Yes
wait_ended "$pid" 10
check "Yes ends the program" "$code" 0
stop_program
summary
