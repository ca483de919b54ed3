#!/usr/bin/env bash
# Drives the test build of the program through start-up, the tray icon's double and
# right clicks, the navigation, hiding, the about window, a second instance and Exit.
set -uo pipefail
source "$(dirname "$0")/lib/common.sh"
program_folder shell_frame

wine "$exe" &
pid=$!
drive wait frmsplash1 15000; check "splash comes first" "$?" 0
check "main window not there yet" "$(drive visible frmMain1)" 0
shot shell_splash
drive wait-gone frmsplash1 5000; check "splash goes after a second" "$?" 0
sleep 0.5
check "nothing visible after start-up" "$(drive visible frmMain1)" 0
tray=$(xdotool search --name 'Wine System Tray' 2>/dev/null | head -1)
check "tray icon added" "$([ -n "$tray" ] && echo yes)" yes

drive tray 513; drive tray 516; drive tray 514; sleep 0.3   # single click, right press, left release
check "other mouse codes do nothing" "$(drive visible frmMain1)" 0
drive tray 515; drive wait frmMain1 5000; check "double click shows the main window" "$?" 0
shot shell_main
drive click frmMain1 201            # the Schedule entry
sleep 0.3
drive post frmMain1 0x10 0 0        # WM_CLOSE hides
drive wait-gone frmMain1 5000; check "close request hides" "$?" 0
check "program still runs after close" "$(kill -0 $pid 2>/dev/null && echo yes)" yes
drive tray 515; drive wait frmMain1 5000
check "shown again" "$(drive visible frmMain1)" 1
shot shell_schedule_page

# No caption: a press on the frame (here the status line in the title strip) drags
# the window, and the place it is left at is remembered.
position_of_main() {
  local w; w=$(xdotool search --onlyvisible --name '^Dusklatch$' 2>/dev/null | head -1)
  [ -n "$w" ] && xdotool getwindowgeometry --shell "$w" | grep -E '^(X|Y)=' | paste -sd' '
}
stored_x() {
  wine reg query 'HKCU\Software\Dusklatch\Settings' /v 'frmMain1 StartUp_Xpos' 2>/dev/null |
    tr -d '\r' | awk '/StartUp_Xpos/ {print $NF}'
}
eval "$(position_of_main)"
x0=${X:-0} y0=${Y:-0}
xdotool mousemove $((x0 + 260)) $((y0 + 16)) mousedown 1 2>/dev/null; sleep 0.3
xdotool mousemove $((x0 + 280)) $((y0 + 30)) 2>/dev/null; sleep 0.3
xdotool mousemove $((x0 + 300)) $((y0 + 46)) 2>/dev/null; sleep 0.3
xdotool mouseup 1 2>/dev/null; sleep 0.5
eval "$(position_of_main)"
check "a press on the frame drags the window" "$((X - x0)),$((Y - y0))" "40,30"
check "the new place is stored" "$(stored_x)" "$((X * 15))"

drive click frmMain1 207            # About
drive wait frmAbout 5000; check "about opens" "$?" 0
check "about hides the main window" "$(drive visible frmMain1)" 0
shot shell_about
drive click frmAbout 1              # Ok
drive wait-gone frmAbout 5000; check "Ok closes about" "$?" 0
drive wait frmMain1 5000; check "Ok brings the main window back" "$?" 0
drive click frmMain1 207; drive wait frmAbout 5000 >/dev/null
drive tray 515; drive wait-gone frmAbout 5000; check "double click closes the about window" "$?" 0
drive wait frmMain1 5000; check "and shows the main window" "$?" 0
drive click frmMain1 302            # imgClose
drive wait-gone frmMain1 5000; check "close picture hides" "$?" 0

# A second copy ends with the message while the first keeps running.
wine "$exe" &
second=$!
box=$(drive msgbox 15000 | paste -sd'|')
check "second instance message" "$box" "Dusklatch|information|Dusklatch is already running.Double click on the tray icon to open the Application."
drive msgbox-press OK
wait_ended "$second" 10
check "second instance ended" "$([ "$code" != 124 ] && echo ended)" ended
check "first still running" "$(kill -0 $pid 2>/dev/null && echo yes)" yes

exit_from_tray() {  # Exit is the tray menu's last item
  drive tray 517
  drive menu 5000 >/dev/null || return 1
  drive menu-choose 10 >/dev/null || drive menu-choose 0 >/dev/null
}
drive tray 517; drive menu 5000 >/dev/null; check "right click pops the tray menu" "$?" 0
shot shell_tray_menu
xdotool key Escape 2>/dev/null; drive wait-gone '#32768' 3000 >/dev/null

exit_from_tray
box=$(drive msgbox 5000 | paste -sd'|')
check "exit asks first" "$box" "Dusklatch|warning|Do you really want to exit ?"
drive msgbox-press No; sleep 0.5
check "No keeps it running" "$(kill -0 $pid 2>/dev/null && echo yes)" yes
exit_from_tray
drive msgbox 5000 >/dev/null
drive msgbox-press Yes
wait_ended "$pid" 10
check "Yes ends the program with exit code 0" "$code" 0
# The system tray window hides once it holds no icon.
no_tray() { [ -z "$(xdotool search --onlyvisible --name 'Wine System Tray' 2>/dev/null | head -1)" ]; }
until_true 5 no_tray; check "tray icon removed" "$?" 0
stop_program
summary
