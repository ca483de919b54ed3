#!/usr/bin/env bash
# Arms a one-minute countdown in the test build of the program (power requests
# recorded, never made), watches the seconds count down in the remaining-time
# window, sees the warning window 30 seconds before the end, and checks that the
# shutdown was requested and the program went back to the tray with the timer
# disabled; it ends only when Windows ends the session.
set -uo pipefail
source "$(dirname "$0")/lib/common.sh"
program_folder countdown
# Sound on: Close then stops it and keeps the warning away until the next arming.
# The sound file is missing, which the program takes silently as it should.
sed -i 's/^Sound_enabled=0/Sound_enabled=1/; s/^Path=$/Path=C:\\no such folder\\warning.wav/' config.ini

wine "$exe" &
pid=$!
# The main window is created hidden; the tray's double click shows it.
for _ in $(seq 100); do drive tray 515 >/dev/null && drive wait frmMain1 200 >/dev/null && break; sleep 0.2; done
must "main window shown from the tray" "$(drive visible frmMain1)" 1
check "button caption" "$(drive text frmMain1 1130)" "&Enable Timer"
# Arming and disarming: the status line and the remaining-time window follow.
drive set-text frmMain1 1110 "1"
drive set-text frmMain1 1112 "05"
drive click frmMain1 1130
drive msgbox >/dev/null; drive msgbox-press OK
drive wait-gone '#32770' 3000 >/dev/null
# The moment after the hours alone, shown over the main window, which the user
# cannot reach meanwhile (the button cannot be pressed a second time).
drive msgbox 5000 >/dev/null
check "hours message owned by the main window" "$(drive owner '#32770')" frmMain1
check "main window still shown under it" "$(drive visible frmMain1)" 1
check "and disabled meanwhile" "$(drive enabled frmMain1 0)" 0
drive msgbox-press OK
drive wait timeleft 5000 >/dev/null
check "main window hidden after the messages" "$(drive visible frmMain1)" 0
sleep 0.5
matches "status line counts down" "$(drive text frmMain1 303)" '^(389[0-9]|3900) Seconds Remaining$'
drive tray 515 >/dev/null; drive wait frmMain1 5000 >/dev/null
check "timer page locked while armed" "$(drive enabled frmMain1 1100)" 0
drive click frmMain1 1130                   # disarm
check "disarming also confirms" "$(drive msgbox | paste -sd'|')" "Dusklatch|information|The time is set."
drive msgbox-press OK
drive wait-gone timeleft 5000 >/dev/null; check "remaining-time window hidden" "$?" 0
check "status after disarming" "$(drive text frmMain1 303)" "Timer Disabled"
check "remaining-time label after disarming" "$(drive text timeleft 1501)" "Timer Disabled"
drive tray 515 >/dev/null; drive wait frmMain1 5000 >/dev/null
check "caption after disarming" "$(drive text frmMain1 1130)" "&Enable Timer"
check "timer page unlocked" "$(drive enabled frmMain1 1100)" 1

drive set-text frmMain1 1110 "0"
drive set-text frmMain1 1112 "01"          # txtmin1: one minute
check "minutes entered" "$(drive text frmMain1 1112)" "01"
shot countdown-timer-page

drive click frmMain1 1130                   # isButton1: arm
check "confirmation" "$(drive msgbox | paste -sd'|')" "Dusklatch|information|The time is set."
drive msgbox-press OK
drive wait timeleft 5000 >/dev/null; check "remaining-time window shown" "$?" 0
check "main window hidden" "$(drive visible frmMain1)" 0
sleep 1.5
matches "seconds remaining" "$(drive text timeleft 1501)" '^(5[0-9]|60) Seconds Remaining$'
matches "status line follows" "$(drive text frmMain1 303)" '^(5[0-9]|60) Seconds Remaining$'
check "no warning before the last 30 seconds" "$(drive visible Form3)" 0
shot countdown-remaining-time

# The seconds left are read around each look at the warning: a read taken before a
# look that found no warning may not be 30 or less (the warning came no later than
# it should), one taken after it came may not be over 30 (it came no earlier).
warning_shown() {
  local first; first=$(drive text timeleft 1501)
  if [ "$(drive visible Form3)" = 1 ]; then left=$(drive text timeleft 1501); return 0; fi
  before=$first; return 1
}
before="" left=""
until_true 45 warning_shown; check "warning window within the last 30 seconds" "$?" 0
matches "the last look without the warning had over 30 seconds left" "$before" '^(3[1-9]|[4-5][0-9]) Seconds Remaining$'
matches "warning came at 30 seconds, not earlier" "$left" '^(2[5-9]|30) Seconds Remaining$'
check "warning message" "$(drive text Form3 1401)" \
  "Dusklatch is about to carry out the action you set. Please save your work now."
# Form3's hidden fields tell what the warning is doing: "Music" while its sound was
# started, "Visible" once the user dismissed it.
check "with sound on the warning starts its sound" "$(drive text Form3 1404)|$(drive text Form3 1403)" "Music|"
shot countdown-warning
drive click Form3 1402                      # Close
drive wait-gone Form3 3000; check "Close hides the warning" "$?" 0
check "Close stops the sound and dismisses the warning" "$(drive text Form3 1404)|$(drive text Form3 1403)" "|Visible"
# The countdown goes on ticking: had Close not dismissed it, a tick would bring it back.
warning_back() { [ "$(drive visible Form3)" = 1 ]; }
! within 3000 warning_back; check "and with sound on it stays away" "$?" 0

# The action: the shutdown is recorded and the program waits in the tray again.
until_true 45 grep -qs 'ExitWindowsEx 12' power-requests.log
check "recorded request" "$(grep -c 'ExitWindowsEx 12' power-requests.log 2>/dev/null)" 1
drive wait-gone timeleft 5000 >/dev/null; check "remaining-time window gone after the action" "$?" 0
drive wait-gone Form3 5000 >/dev/null; check "warning window gone after the action" "$?" 0
check "still running in the tray" "$(kill -0 $pid 2>/dev/null && echo yes)" yes
check "status after the action" "$(drive text frmMain1 303)" "Timer Disabled"
drive tray 515 >/dev/null; drive wait frmMain1 5000 >/dev/null
check "caption after the action" "$(drive text frmMain1 1130)" "&Enable Timer"
check "timer page unlocked after the action" "$(drive enabled frmMain1 1100)" 1
shot countdown-after-action

# Windows ending the session ends the program, with exit code 0.
drive post frmMain1 0x16 1 0                # WM_ENDSESSION, the session is ending
wait_ended "$pid" 10
check "program ended with the session, exit code 0" "$code" 0
stop_program
summary
