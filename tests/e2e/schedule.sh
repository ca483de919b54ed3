#!/usr/bin/env bash
# Schedules in the test build of the program (power requests recorded, never made), on
# a Windows that speaks German. Through the editor: a daily shutdown and a restart on
# the weekday, both for a minute the script picks far enough ahead to enter them, and
# a Sunday log off that is deleted again. In that minute the two come up one after
# another, the first cancelled, the second carried out after its count, and neither
# comes again. A new start (after that minute: a start inside it would fire the rows
# again) lists the kept rows, and Delete All empties them. A file that is no database
# is reported and left alone; an empty one is given its table. The file is read with
# the sqlite3 tool at every step.
set -uo pipefail
source "$(dirname "$0")/lib/common.sh"
program_folder schedule
stored() { sqlite3 system.vvc "select Action, Date, Time, Type, Icon from table1" | paste -sd';'; }
requests() { cat power-requests.log 2>/dev/null | grep -c "$1"; }

# Control ids (src/schedule/win/schedule_ids.h and the main window's navigation).
nav_schedule=201 list=2101 add=2102 delete=2103 delete_all=2104
action=2001 everyday=2003 every=2004 daily_hour=2012 weekday=2015 weekday_hour=2016 save=2021
restart_cancel=2205 restart_word=2206

# The program runs as on a German Windows: weekday names are no longer the stored ones.
german=de_DE.UTF-8
german_days=(Sonntag Montag Dienstag Mittwoch Donnerstag Freitag Samstag)

start_program() {
  LC_ALL=$german wine "$exe" &
  for _ in $(seq 100); do drive tray 515 >/dev/null && drive wait frmMain1 200 >/dev/null && break; sleep 0.2; done
  must "the program came up" "$(drive visible frmMain1)" 1
  drive click frmMain1 $nav_schedule
  sleep 0.3
}
# A time choice in the editor: hour, minute and AM/PM lists from the first list's id.
choose_time() {  # first list id, hh:mm:AM
  local id=$1 hh=${2:0:2} mm=${2:3:2} half=${2:6:2}
  drive select Schedule "$id" $((10#$hh - 1))
  drive select Schedule $((id + 1)) $((10#$mm))
  drive select Schedule $((id + 2)) "$([ "$half" = AM ] && echo 0 || echo 1)"
}
# Times are seconds since 1970 on the clock Wine reads too.
now() { date +%s; }
minute_after() { local t=$(( $(now) + $1 )); echo $(( (t + 59) / 60 * 60 )); }  # a minute's start
stored_time() { LC_ALL=C date -d "@$1" +%I:%M:%p; }
sleep_until() { local left=$(( $1 - $(now) )); [ "$left" -le 0 ] || sleep "$left"; }
ms_until() { local left=$(( $1 - $(now) )); echo $(( left > 0 ? left * 1000 : 0 )); }

check "no file before the first start" "$([ -e system.vvc ] && echo there || echo missing)" missing
start_program
check "a missing file is made with an empty table" "$(sqlite3 system.vvc 'select count(*) from table1')" 0
check "the list starts empty" "$(drive list-count frmMain1 $list)" 0
check "Wine speaks German to the program" \
  "$(env LC_ALL=$german wine "$DUSK_BUILD/wintest/dusk_drive.exe" weekday 2>/dev/null | tr -d '\r')" \
  "${german_days[$(date +%w)]}"

# The minute the kept rows are due in: the first to start 50 seconds or more from now,
# time enough to enter them before it.
due=$(minute_after 50)
due_time=$(stored_time "$due")
due_day=$(LC_ALL=C date -d "@$due" +%A)

drive click frmMain1 $add
drive wait Schedule 5000; check "Add opens the editor" "$?" 0
drive select Schedule $action 0                 # Shutdown, every day
drive check Schedule $everyday 1
choose_time $daily_hour "$due_time"
shot schedule-editor
drive click Schedule $save
check "saved, asks for more" "$(drive msgbox | paste -sd'|')" \
  "Schedule set|information|Schedule is set.Do you want to set more schedules ?"
check "the question belongs to the editor" "$(drive owner '#32770')" Schedule
drive msgbox-press Yes
drive select Schedule $action 1                 # Restart, on the weekday of that minute
drive check Schedule $every 1
drive select Schedule $weekday "$(date -d "@$due" +%w)"
choose_time $weekday_hour "$due_time"
drive click Schedule $save
drive msgbox >/dev/null; drive msgbox-press Yes
drive select Schedule $action 2                 # Log Off, every Sunday at 03:00 AM
drive check Schedule $every 1
drive select Schedule $weekday 0
choose_time $weekday_hour "03:00:AM"
drive click Schedule $save
drive msgbox >/dev/null; drive msgbox-press No
drive wait-gone Schedule 5000; check "No hides the editor" "$?" 0

drive tray 515 >/dev/null; drive wait frmMain1 5000 >/dev/null
drive click frmMain1 $nav_schedule; sleep 0.3
check "three rows listed" "$(drive list-count frmMain1 $list)" 3
shot schedule-list
check "three rows in the file, in order" "$(stored)" \
  "Shutdown|DAILY|$due_time|Daily|Shutdown;Restart|$due_day|$due_time|Day Basis|Restart;Log Off|Sunday|03:00:AM|Day Basis|Log Off"

drive list-select frmMain1 $list 2
drive click frmMain1 $delete
sleep 0.5
check "Delete removes the selected row from the list" "$(drive list-count frmMain1 $list)" 2
check "and from the file" "$(stored)" \
  "Shutdown|DAILY|$due_time|Daily|Shutdown;Restart|$due_day|$due_time|Day Basis|Restart"
check "the rows were entered before their minute" "$([ "$(now)" -lt "$due" ] && echo yes || echo "no: the machine was too slow")" yes

# Their minute: the shutdown comes first and is cancelled.
drive wait frmRestart "$(ms_until $((due + 60)))"; check "a confirmation window in the rows' minute" "$?" 0
came=$(now)
check "not before that minute" "$([ "$came" -ge "$due" ] && echo yes || echo "no: $((due - came))s early")" yes
check "it carries the shutdown" "$(drive text frmRestart $restart_word)" Shutdown
shot schedule-confirmation

# Cancel closes it, and the weekday's restart (stored with the English name while
# Windows speaks German) follows in a window of its own, carried out after its count
# of about 15 seconds.
drive click frmRestart $restart_cancel
for _ in $(seq 50); do [ "$(drive text frmRestart $restart_word)" = Restart ] && break; sleep 0.1; done
shown=$(now)
check "Cancel makes way for the weekday's row" "$(drive text frmRestart $restart_word)" Restart
check "nothing requested after Cancel" "$(requests ExitWindowsEx)" 0
for _ in $(seq 250); do [ "$(requests 'ExitWindowsEx 6')" = 1 ] && break; sleep 0.1; done
waited=$(( $(now) - shown ))
check "forced restart recorded" "$(requests 'ExitWindowsEx 6')" 1
check "after about 15 seconds" "$([ "$waited" -ge 12 ] && [ "$waited" -le 20 ] && echo yes || echo "no: ${waited}s")" yes

# Nothing comes again before the minute is out.
sleep_until $((due + 61))
check "no window again in that minute" "$(drive visible frmRestart)" 0
check "only that request" "$(requests ExitWindowsEx)" 1
check "rows are kept when they fire" "$(sqlite3 system.vvc 'select count(*) from table1')" 2

# A new start, after the kept rows' minute, lists them from the file and fires
# nothing; Delete All empties both.
wineserver -k 2>/dev/null; sleep 1
start_program
check "rows read back at start" "$(drive list-count frmMain1 $list)" 2
sleep 1
check "no confirmation at a start outside their minute" "$(drive visible frmRestart)" 0
drive click frmMain1 $delete_all
sleep 0.5
check "Delete All empties the list" "$(drive list-count frmMain1 $list)" 0
check "and the file" "$(sqlite3 system.vvc 'select count(*) from table1')" 0
drive click frmMain1 $delete
check "Delete on the empty list says so" "$(drive msgbox | paste -sd'|')" \
  "NO SCHEDULES|error|There are no Schedules in the List!!"
drive msgbox-press OK

# A file that is no database is reported and left alone; the program keeps running.
wineserver -k 2>/dev/null; sleep 1
printf 'not a schedule file\r\n' > system.vvc
before=$(md5sum < system.vvc)
LC_ALL=$german wine "$exe" &
box=$(drive msgbox 20000 | paste -sd'|')
check "a foreign file is reported" "$box" "Dusklatch|error|file is not a database"
drive msgbox-press OK
for _ in $(seq 50); do drive tray 515 >/dev/null && drive wait frmMain1 200 >/dev/null && break; sleep 0.2; done
check "the program runs on" "$(drive visible frmMain1)" 1
check "the file is untouched" "$(md5sum < system.vvc)" "$before"

# An empty file (a first start that died before making the table) is given the table.
wineserver -k 2>/dev/null; sleep 1
: > system.vvc
start_program
check "an empty file is not reported" "$(drive msgbox 2000 | paste -sd'|')" ""
check "and is given its table" "$(sqlite3 system.vvc 'select count(*) from table1')" 0
wineserver -k 2>/dev/null
summary
