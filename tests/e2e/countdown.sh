#!/usr/bin/env bash
# Arms a one-minute countdown in the test build of the program (power requests
# recorded, never made), watches the seconds count down in the remaining-time
# window, sees the warning window 30 seconds before the end and closes it, and checks
# that the shutdown was requested.
set -uo pipefail
source "$(dirname "$0")/lib/common.sh"
program_folder countdown
# Sound on: Close then stops it and keeps the warning away until the next arming.
# Wine has no sound device here, which the program takes silently as it should.
sed -i 's/^Sound_enabled=0/Sound_enabled=1/; s/^Path=$/Path=C:\\no such folder\\warning.wav/' config.ini

wine "$exe" &
pid=$!
# The main window is created hidden; the tray's double click shows it.
for _ in $(seq 100); do drive tray 515 >/dev/null && drive wait frmMain1 200 >/dev/null && break; sleep 0.2; done
must "main window shown from the tray" "$(drive visible frmMain1)" 1
check "button caption" "$(drive text frmMain1 1130)" "&Enable Timer"
# Arming and disarming: the status line and the remaining-time window follow.
drive set-text frmMain1 1112 "05"
drive click frmMain1 1130
drive msgbox >/dev/null; drive msgbox-press OK
drive wait timeleft 5000 >/dev/null
sleep 0.5
matches "status line counts down" "$(drive text frmMain1 303)" '^(29[0-9]|300) Seconds Remaining$'
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

drive set-text frmMain1 1112 "01"          # txtmin1: one minute
check "minutes entered" "$(drive text frmMain1 1112)" "01"
import -window root "$DUSK_SHOTS/countdown-timer-page.png" 2>/dev/null

drive click frmMain1 1130                   # isButton1: arm
check "confirmation" "$(drive msgbox | paste -sd'|')" "Dusklatch|information|The time is set."
drive msgbox-press OK
drive wait timeleft 5000 >/dev/null; check "remaining-time window shown" "$?" 0
check "main window hidden" "$(drive visible frmMain1)" 0
sleep 1.5
matches "seconds remaining" "$(drive text timeleft 1501)" '^(5[0-9]|60) Seconds Remaining$'
matches "status line follows" "$(drive text frmMain1 303)" '^(5[0-9]|60) Seconds Remaining$'
check "no warning before the last 30 seconds" "$(drive visible Form3)" 0
import -window root "$DUSK_SHOTS/countdown-remaining-time.png" 2>/dev/null

drive wait Form3 45000 >/dev/null; check "warning window within the last 30 seconds" "$?" 0
left=$(drive text timeleft 1501)
matches "warning came at 30 seconds, not later" "$left" '^(2[5-9]|30) Seconds Remaining$'
check "warning message" "$(drive text Form3 1401)" \
  "Dusklatch is about to carry out the action you set. Please save your work now."
import -window root "$DUSK_SHOTS/countdown-warning.png" 2>/dev/null
drive click Form3 1402                      # Close
drive wait-gone Form3 3000; check "Close hides the warning" "$?" 0
sleep 1
check "and with sound on it stays away" "$(drive visible Form3)" 0

# The action: the shutdown is recorded.
until_true 45 grep -q 'ExitWindowsEx 12' power-requests.log
check "recorded request" "$(grep -c 'ExitWindowsEx 12' power-requests.log 2>/dev/null)" 1
stop_program
summary
