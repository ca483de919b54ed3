#!/usr/bin/env bash
# Password protection in the test build of the program (power requests recorded, never
# made): switches protection on from the password page, finds Exit, the schedule
# buttons and a firing schedule's Cancel behind the password, changes the password and
# from then on gets through with the new one only; ends the program through the prompt.
set -uo pipefail
source "$(dirname "$0")/lib/common.sh"
program_folder password
source "$e2e_lib/tray.sh"
EXIT=10

# Control ids (src/password/win/password_ids.h, the schedule page and editor, the main
# window's navigation).
nav_password=206 nav_schedule=201 check24=7001 change_password=7009 save_settings=7010
entry=7103 prompt_ok=7104 prompt_cancel=7105 pending=7106
old=7201 new=7203 retype=7205 change_ok=7208
add=2102 delete=2103 action=2001 everyday=2003 daily_hour=2012 save=2021
restart_cancel=2205

stored() { sqlite3 system.vvc "select Action, Date, Time, Type from table1" | paste -sd';'; }
pass_keys() { sed -n '/^\[Pass\]/,/^\[/p' config.ini | tr -d '\r' | grep -E '^(Pass_Enabled|Val)=' | paste -sd' '; }
box() { drive msgbox 5000 | paste -sd'|'; }
wrong_short="Dusklatch|error|Incorect password "
wrong_long="Dusklatch|error|Incorrect password.Password protection is enabled.You must enter correct password to continue "
# Types a password into the open prompt and presses its Ok.
answer() { drive set-text validate $entry "$1"; drive click validate $prompt_ok; }
open_main() { drive tray 515; drive wait frmMain1 5000 >/dev/null; }
hide_main() { drive click frmMain1 302; drive wait-gone frmMain1 3000 >/dev/null; }
running() { kill -0 "$pid" 2>/dev/null && echo yes || echo no; }

check "protection is off as shipped" "$(pass_keys)" "Pass_Enabled=0 Val=quazel"
start_in_tray

# Protection on: the page's save asks for the password first.
open_main
drive click frmMain1 $nav_password
check "Change Password waits for the box" "$(drive enabled frmMain1 $change_password)" 0
drive check frmMain1 $check24 1
check "ticking the box enables it" "$(drive enabled frmMain1 $change_password)" 1
sleep 0.3; shot password-page
drive click frmMain1 $save_settings
drive wait validate 5000; check "Save Settings opens the prompt" "$?" 0
check "pending the page's save" "$(drive text validate $pending)" mainform
sleep 0.3; shot password-prompt
answer quazel
check "the right password saves" "$(box)" "ACCEPTED|information|Password Settings Saved"
drive msgbox-press OK
drive wait-gone validate 3000; check "and closes the prompt" "$?" 0
check "protection stored on" "$(pass_keys)" "Pass_Enabled=1 Val=quazel"
hide_main

# Exit from the tray: the wrong password keeps the program, No after the right one too.
choose $EXIT
drive wait validate 5000; check "Exit asks for the password" "$?" 0
check "pending the exit" "$(drive text validate $pending)" exit
answer quazeL
check "a wrong password is refused" "$(box)" "$wrong_short"
drive msgbox-press OK
check "the program goes on" "$(running)$(drive visible validate)" yes1
answer quazel
check "the right one asks the question" "$(box)" "Dusklatch|warning|Do you really want to exit ?"
drive msgbox-press No
drive wait-gone validate 3000; check "No closes the prompt" "$?" 0
check "and the program goes on" "$(running)" yes

# Add on the schedule page is guarded; behind it a daily restart for the coming minute.
open_main
drive click frmMain1 $nav_schedule
drive click frmMain1 $add
drive wait validate 5000; check "Add asks for the password" "$?" 0
check "pending the add" "$(drive text validate $pending)" add
answer x
check "a wrong password for Add is refused" "$(box)" "$wrong_long"
drive msgbox-press OK
check "no editor yet" "$(drive visible Schedule)" 0
second=$((10#$(date +%S)))
due=$(LC_ALL=C date -d "+$([ "$second" -le 30 ] && echo 1 || echo 2) min" +%I:%M:%p)
answer quazel
drive wait Schedule 5000; check "the right one opens the editor" "$?" 0
drive select Schedule $action 1                 # Restart
drive check Schedule $everyday 1
drive select Schedule $daily_hour $((10#${due:0:2} - 1))
drive select Schedule $((daily_hour + 1)) $((10#${due:3:2}))
drive select Schedule $((daily_hour + 2)) "$([ "${due:6:2}" = AM ] && echo 0 || echo 1)"
drive click Schedule $save
drive msgbox 5000 >/dev/null; drive msgbox-press No
check "the schedule is stored" "$(stored)" "Restart|DAILY|$due|Daily"

# Delete is guarded too; Cancel leaves the row alone.
drive click frmMain1 $delete
drive wait validate 5000; check "Delete asks for the password" "$(drive text validate $pending)" delete
drive click validate $prompt_cancel
drive wait-gone validate 3000; check "Cancel hides the prompt" "$?" 0
check "the row stays" "$(stored)" "Restart|DAILY|$due|Daily"
hide_main

# The schedule fires: its Cancel asks for the password while the 15 seconds run.
drive wait frmRestart 150000; check "the confirmation window comes" "$?" 0
drive click frmRestart $restart_cancel
drive wait validate 5000; check "its Cancel asks for the password" "$(drive text validate $pending)" frmrestart
answer nope
check "a wrong password for Cancel is refused" "$(box)" "$wrong_long"
drive msgbox-press OK
check "the window counts on" "$(drive visible frmRestart)" 1
# Exit asked meanwhile takes the prompt's place; its No leaves the window counting.
choose $EXIT
check "Exit takes the prompt over" "$(drive text validate $pending)" exit
answer quazel
drive msgbox 5000 >/dev/null; drive msgbox-press No
drive wait-gone validate 3000 >/dev/null
check "Exit's No leaves the confirmation window" "$(drive visible frmRestart)" 1
drive click frmRestart $restart_cancel
drive wait validate 5000 >/dev/null
answer quazel
drive wait-gone frmRestart 3000; check "the right password cancels the schedule" "$?" 0
sleep 1
check "and nothing is requested" "$(grep -c ExitWindowsEx "$log")" 0

# A new password: from now on only it opens the prompt.
open_main
drive click frmMain1 $nav_password
drive click frmMain1 $change_password
drive wait chpass 5000; check "Change Password opens its window" "$?" 0
drive set-text chpass $old quazel; drive set-text chpass $new "n3w pass"; drive set-text chpass $retype "n3w pass"
sleep 0.3; shot password-change
drive click chpass $change_ok
check "the password is changed" "$(box)" "ACCEPTED|information|Password Changed"
drive msgbox-press OK
drive wait-gone chpass 3000; check "and the window hides" "$?" 0
check "the new password is stored" "$(pass_keys)" "Pass_Enabled=1 Val=n3w pass"
hide_main

choose $EXIT
drive wait validate 5000 >/dev/null
answer quazel
check "the old password no longer works" "$(box)" "$wrong_short"
drive msgbox-press OK
answer "n3w pass"
check "the new one does" "$(box)" "Dusklatch|warning|Do you really want to exit ?"
drive msgbox-press Yes
wait_ended "$pid" 10
check "Yes ends the program" "$code" 0
no_tray() { [ -z "$(tray_window)" ]; }
until_true 5 no_tray; check "its tray icon is gone" "$?" 0
stop_program
summary
