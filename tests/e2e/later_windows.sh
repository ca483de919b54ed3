#!/usr/bin/env bash
# Runs the test build of the program (power requests recorded, never made) on a
# Windows newer than XP: the tray menu greys lock, stand by and hibernate and choosing
# them requests nothing, shutting down still works, and the countdown offers five
# actions instead of six.
set -uo pipefail
source "$(dirname "$0")/lib/common.sh"
program_folder later_windows
log=power-requests.log
touch "$log"

wine reg add 'HKCU\Software\Wine' /v Version /d win7 /f >/dev/null 2>&1
printf 'x' >"$WINEPREFIX/drive_c/hiberfil.sys"   # hibernation would be there

# Items the keyboard can reach, top to bottom (dividing lines are skipped).
SHUTDOWN=2 STANDBY=4 HIBERNATE=5 LOCK=7
choose() {  # opens the tray menu with a right click and chooses the item
  drive tray 517
  drive menu 5000 >/dev/null || return 1
  drive menu-choose "$1" >/dev/null
  sleep 0.5
  # A greyed item may leave the menu open: close it as a user would.
  if [ "$(drive visible '#32768')" = 1 ]; then
    drive post '#32768' 0x100 0x1B 0; drive post '#32768' 0x101 0x1B 0
  fi
  drive wait-gone '#32768' 3000 >/dev/null
}
requests_of() {
  local before; before=$(wc -l <"$log")
  choose "$1"
  for _ in $(seq 20); do [ "$(wc -l <"$log")" -gt "$before" ] && break; sleep 0.1; done
  sleep 0.2
  tail -n +"$((before + 1))" "$log" | tr -d '\r' | paste -sd'|'
}

wine "$exe" &
pid=$!
for _ in $(seq 100); do drive wait frmMain1 0 >/dev/null; drive tray 0 >/dev/null && break; sleep 0.2; done
drive wait-gone frmsplash1 10000 >/dev/null

drive tray 517
drive menu 5000 >/dev/null; check "the tray menu opens" "$?" 0
sleep 0.5
import -window root "$DUSK_SHOTS/tray-menu-later-windows.png" 2>/dev/null
drive post '#32768' 0x100 0x1B 0; drive post '#32768' 0x101 0x1B 0
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
