#!/usr/bin/env bash
# Runs the test build of the program (power requests recorded, never made) on a
# Windows newer than XP: the tray menu greys lock, stand by and hibernate and choosing
# them requests nothing, shutting down still works, and the countdown offers five
# actions instead of six.
set -uo pipefail
source "$(dirname "$0")/lib/common.sh"
program_folder later_windows
source "$e2e_lib/tray.sh"

wine reg add 'HKCU\Software\Wine' /v Version /d win7 /f >/dev/null 2>&1
printf 'x' >"$WINEPREFIX/drive_c/hiberfil.sys"   # hibernation would be there

start_in_tray

drive tray 517
drive menu 5000 >/dev/null; check "the tray menu opens" "$?" 0
sleep 0.5
import -window root "$DUSK_SHOTS/tray-menu-later-windows.png" 2>/dev/null
key 0x1B
drive wait-gone '#32768' 3000 >/dev/null

check "Lock computer requests nothing" "$(requests_of $LOCK)" ""
check "StandBy requests nothing" "$(requests_of $STANDBY)" ""
check "Hibernate requests nothing" "$(requests_of $HIBERNATE)" ""
check "and says nothing" "$(drive visible '#32770')" 0
check "Shutdown still works" "$(requests_of $SHUTDOWN)" "privilege on|ExitWindowsEx 8|privilege off"

drive tray 515
drive wait frmMain1 5000 >/dev/null; check "the main window opens" "$?" 0
drive select frmMain1 1101 4 >/dev/null
check "the countdown offers a fifth action" "$(drive selected frmMain1 1101)" 4
drive select frmMain1 1101 5 >/dev/null
check "but no sixth: the choice stays on the fifth" "$(drive selected frmMain1 1101)" 4

kill $pid 2>/dev/null
wineserver -k 2>/dev/null
summary
