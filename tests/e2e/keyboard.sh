#!/usr/bin/env bash
# Uses the test build of the program with the keyboard alone, as a person without a
# mouse would: Tab through the Main page, type the minutes, arm the countdown with
# Enter, answer the message with Enter, and disarm it again with Space; the
# navigation entries switch pages with Space and Enter, and the about window closes
# with Enter on its Ok.
set -uo pipefail
source "$(dirname "$0")/lib/common.sh"
program_folder keyboard
source "$e2e_lib/tray.sh"

start_in_tray
# The keys go to the window that has the X focus.
# Gives the X keyboard focus to the program's visible window of that title.
x_focus() {  # window title
  local w; w=$(xdotool search --onlyvisible --class 'DusklatchRecording.exe' 2>/dev/null | while read -r id; do
    [ "$(xdotool getwindowname "$id" 2>/dev/null)" = "$1" ] && echo "$id"; done | head -1)
  [ -n "$w" ] && xdotool windowfocus --sync "$w" 2>/dev/null
}
focus_main() {
  drive tray 515 >/dev/null; drive wait frmMain1 5000 >/dev/null
  x_focus Dusklatch
  sleep 0.3
}
# A key goes where the keyboard focus is once the window has taken it: a key typed
# while the window is still coming up would go to the one before it.
focus_is() { [ "$(drive focus "$1")" = "$2" ]; }
keys() { xdotool key --delay 120 "$@" 2>/dev/null; sleep 0.4; }
tab_to() {  # presses Tab (or the key given second) until the control has the focus, at most 16 times
  for _ in $(seq 16); do [ "$(drive focus frmMain1)" = "$1" ] && return 0; keys "${2:-Tab}"; done
  [ "$(drive focus frmMain1)" = "$1" ]
}
answer_with_enter() {  # the message box has the focus: Enter presses its button
  local box; box=$(drive msgbox 5000 | paste -sd'|')
  keys Return
  drive wait-gone '#32770' 3000 >/dev/null
  echo "$box"
}

focus_main
check "the first control of the page has the focus" "$(drive focus frmMain1)" 1101
keys Tab Tab Tab                            # "In", the hours, the minutes
check "Tab goes in reading order" "$(drive focus frmMain1)" 1112
keys 1
check "minutes typed" "$(drive text frmMain1 1112)" "01"
keys Tab Tab Tab Tab Tab Tab                # "At", the three boxes and the seconds, the button
check "Tab reaches the button" "$(drive focus frmMain1)" 1130
shot keyboard-button-focused
keys Return
check "Enter on the button arms" "$(answer_with_enter)" "Dusklatch|information|The time is set."
drive wait timeleft 5000 >/dev/null; check "remaining-time window shown" "$?" 0
check "caption while armed" "$(drive text frmMain1 1130)" "&Disable Timer"
check "main window hidden" "$(drive visible frmMain1)" 0

focus_main
check "the focus comes back to the button" "$(drive focus frmMain1)" 1130
keys space
check "Space on the button disarms" "$(answer_with_enter)" "Dusklatch|information|The time is set."
check "caption after disarming" "$(drive text frmMain1 1130)" "&Enable Timer"
check "status after disarming" "$(drive text frmMain1 303)" "Timer Disabled"

focus_main
keys shift+Tab                              # back from the button: "Show remaining time"
check "Shift+Tab goes back" "$(drive focus frmMain1)" 1127
keys alt+e
check "the access key presses the button" "$(answer_with_enter)" "Dusklatch|information|The time is set."
check "armed by the access key" "$(drive text frmMain1 1130)" "&Disable Timer"
focus_main
keys alt+d
answer_with_enter >/dev/null
check "and disarmed by the new one" "$(drive text frmMain1 1130)" "&Enable Timer"

# The navigation column: Shift+Tab from the page's first control reaches "About",
# the last entry; Space and Enter choose entries; the page follows the entries.
focus_main
tab_to 207 shift+Tab; check "Shift+Tab reaches the navigation" "$(drive focus frmMain1)" 207
keys shift+Tab shift+Tab shift+Tab shift+Tab   # up to Settings
check "the entries in order" "$(drive focus frmMain1)" 203
keys space
check "Space on an entry shows its page" "$(drive shown frmMain1 103)" 1
tab_to 1301; check "Tab goes on into the page" "$(drive focus frmMain1)" 1301
shot keyboard-settings-page
tab_to 200 shift+Tab
keys Return
check "Enter on an entry shows its page" "$(drive shown frmMain1 101)" 1
tab_to 207
keys Return
drive wait frmAbout 5000 >/dev/null; check "Enter on About opens the about window" "$?" 0
x_focus About
until_true 5 focus_is frmAbout 1; check "its Ok has the focus" "$?" 0
keys Return
drive wait-gone frmAbout 5000 >/dev/null; check "Enter presses its Ok" "$?" 0
drive wait frmMain1 5000 >/dev/null; check "and the main window comes back" "$?" 0
x_focus Dusklatch
until_true 5 focus_is frmMain1 207; check "with the focus back on About" "$?" 0
keys Escape
drive wait-gone frmMain1 5000 >/dev/null; check "Esc hides the main window" "$?" 0

drive post frmMain1 0x16 1 0                # the session ends
for _ in $(seq 100); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
check "no request made" "$(wc -l <"$log")" 0
wineserver -k 2>/dev/null
summary
