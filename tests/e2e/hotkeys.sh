#!/usr/bin/env bash
# The global hotkeys in the test build of the program (power requests recorded, never
# made), pressed as keys on the X display: Ctrl+Alt+S shows the hotkey window and
# shuts down, Ctrl+Alt+R restarts without a window, nothing happens while "Enable
# Hotkeys" is clear, and letters saved on the hotkeys page are in force after a restart.
# Wine hands a global hotkey to a program only while a window of the same prefix has the
# X focus, so the main window is shown and focused before each key.
set -uo pipefail
source "$(dirname "$0")/lib/common.sh"
program_folder hotkeys
source "$e2e_lib/tray.sh"

# Control ids (src/quick/win/quick_ids.h and the main window's navigation).
nav_hotkeys=204 check23=6101 label32=6140 save=6104 text5=6110

focus_program() {
  drive tray 515; drive wait frmMain1 5000 >/dev/null
  local main; main=$(xdotool search --name '^Dusklatch$' | head -1)
  xdotool windowfocus --sync "$main" 2>/dev/null
}
pressed() {  # the keys; the requests they added to the log, joined with "|"
  local before; before=$(wc -l <"$log")
  focus_program
  xdotool key "$1"
  for _ in $(seq 20); do [ "$(wc -l <"$log")" -gt "$before" ] && break; sleep 0.1; done
  sleep 0.3
  tail -n +"$((before + 1))" "$log" | tr -d '\r' | paste -sd'|'
}

sed -i 's/^Hotkey_enabled=.*/Hotkey_enabled=1/' config.ini
start_in_tray
check "the hotkey window is hidden at start" "$(drive visible hotkey)" 0

check "Ctrl+Alt+R restarts" "$(pressed ctrl+alt+r)" "privilege on|ExitWindowsEx 2|privilege off"
check "without showing the window" "$(drive visible hotkey)" 0
matches "Ctrl+Alt+X stands by" "$(pressed ctrl+alt+x)" "SetSuspendState 0 0 0"
check "Ctrl+Alt+S shuts down, not forced" "$(pressed ctrl+alt+s)" "privilege on|ExitWindowsEx 8|privilege off"
drive wait hotkey 3000 >/dev/null; check "and shows the hotkey window" "$?" 0
check "its caption" "$(drive text hotkey 0)" Form4
check "its announcement" "$(drive text hotkey $label32)" "The System is going to shutdown !!!"
sleep 0.3
shot hotkey-window
drive post hotkey 0x10 0 0    # closed: only hidden, the hotkeys stay
drive wait-gone hotkey 3000 >/dev/null; check "closing hides it" "$?" 0

# "Enable Hotkeys" cleared on the page, not saved: at once nothing happens.
drive click frmMain1 $nav_hotkeys
drive check frmMain1 $check23 0
check "the letters are locked with the box" "$(drive enabled frmMain1 $text5)$(drive enabled frmMain1 $save)" 00
check "cleared, Ctrl+Alt+S does nothing" "$(pressed ctrl+alt+s)" ""
check "nor Ctrl+Alt+L" "$(pressed ctrl+alt+l)" ""
check "and shows nothing" "$(drive visible hotkey)" 0
drive check frmMain1 $check23 1
check "ticked again, Ctrl+Alt+L logs off" "$(pressed ctrl+alt+l)" "privilege on|ExitWindowsEx 0|privilege off"

# New letters on the page: refused while two are the same, in force after a restart.
drive click frmMain1 $nav_hotkeys
drive set-text frmMain1 $text5 q
check "a typed letter is upper-cased" "$(drive text frmMain1 $text5)" Q
drive set-text frmMain1 $((text5 + 5)) r
drive click frmMain1 $save
check "the same letter twice is refused" "$(drive msgbox 5000 | paste -sd'|')" \
  "Dusklatch|error|Two or more values are same !!! Please enter DISTINCT values for all operations."
drive msgbox-press OK; drive wait-gone '#32770' 3000 >/dev/null
drive set-text frmMain1 $((text5 + 5)) k
sleep 0.3
shot hotkeys-page
drive click frmMain1 $save
check "Save tells without an icon" "$(drive msgbox 5000 | paste -sd'|')" "Dusklatch|none|Hotkey settings have been saved !!"
drive msgbox-press OK; drive wait-gone '#32770' 3000 >/dev/null
check "the letters are stored" "$(sed -n '/^\[HOTKEY\]/,/^\[/p' config.ini | tr -d '\r' | grep = | paste -sd' ')" \
  "Hotkey_enabled=1 Shutdown=Q Restart=R LogOff=L StandBy=X Hibernate=H Lock=K"
check "the new letter waits for the next start" "$(pressed ctrl+alt+q)" ""
check "the old one still works" "$(pressed ctrl+alt+c)" "LockWorkStation"

choose 10                         # Exit from the tray menu
drive msgbox 5000 >/dev/null; drive msgbox-press Yes
wait_ended "$pid" 10
start_in_tray
check "after a restart Ctrl+Alt+Q shuts down" "$(pressed ctrl+alt+q)" "privilege on|ExitWindowsEx 8|privilege off"
check "and Ctrl+Alt+K locks" "$(pressed ctrl+alt+k)" "LockWorkStation"
check "Ctrl+Alt+S is free again" "$(pressed ctrl+alt+s)" ""
kill $pid 2>/dev/null
wineserver -k 2>/dev/null
summary
