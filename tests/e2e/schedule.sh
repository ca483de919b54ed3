#!/usr/bin/env bash
# Schedules in the test build of the program (power requests recorded, never made):
# adds two daily schedules for the coming minutes and one weekly one through the
# editor, deletes one from the list, cancels the first confirmation window, lets the
# second carry out its forced restart, then starts the program again to find the
# rows kept in system.vvc and empties them with Delete All. The file is read with the
# sqlite3 tool at every step.
set -uo pipefail
source "$(dirname "$0")/lib/common.sh"
program_folder schedule
stored() { sqlite3 system.vvc "select Action, Date, Time, Type, Icon from table1" | paste -sd';'; }
requests() { cat power-requests.log 2>/dev/null | grep -c "$1"; }

# Control ids (src/schedule/win/schedule_ids.h and the main window's navigation).
nav_schedule=201 list=2101 add=2102 delete=2103 delete_all=2104
action=2001 everyday=2003 every=2004 daily_hour=2012 weekday=2015 weekday_hour=2016 save=2021
restart_cancel=2205 restart_word=2206

start_program() {
  wine "$exe" &
  for _ in $(seq 100); do drive tray 515 >/dev/null && drive wait frmMain1 200 >/dev/null && break; sleep 0.2; done
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
stored_form() { LC_ALL=C date -d "$1" +%I:%M:%p; }

check "no file before the first start" "$([ -e system.vvc ] && echo there || echo missing)" missing
start_program
check "a missing file is made with an empty table" "$(sqlite3 system.vvc 'select count(*) from table1')" 0
check "the list starts empty" "$(drive list-count frmMain1 $list)" 0

# The coming minute when there is time left to enter the schedules in it, else the next.
second=$((10#$(date +%S)))
ahead=$([ "$second" -le 30 ] && echo 1 || echo 2)
first=$(stored_form "+$ahead min")
then=$(stored_form "+$((ahead + 1)) min")

drive click frmMain1 $add
drive wait Schedule 5000; check "Add opens the editor" "$?" 0
drive select Schedule $action 0                 # Shutdown
drive check Schedule $everyday 1
choose_time $daily_hour "$first"
shot schedule-editor
drive click Schedule $save
check "saved, asks for more" "$(drive msgbox | paste -sd'|')" \
  "Schedule set|information|Schedule is set.Do you want to set more schedules ?"
drive msgbox-press Yes
drive select Schedule $action 1                 # Restart
drive check Schedule $everyday 1
choose_time $daily_hour "$then"
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
  "Shutdown|DAILY|$first|Daily|Shutdown;Restart|DAILY|$then|Daily|Restart;Log Off|Sunday|03:00:AM|Day Basis|Log Off"

drive list-select frmMain1 $list 2
drive click frmMain1 $delete
sleep 0.5
check "Delete removes the selected row from the list" "$(drive list-count frmMain1 $list)" 2
check "and from the file" "$(stored)" \
  "Shutdown|DAILY|$first|Daily|Shutdown;Restart|DAILY|$then|Daily|Restart"

# The first schedule comes due: its confirmation window is cancelled.
drive wait frmRestart 100000; check "confirmation window in the first minute" "$?" 0
check "it carries the shutdown" "$(drive text frmRestart $restart_word)" Shutdown
shot schedule-confirmation
drive click frmRestart $restart_cancel
drive wait-gone frmRestart 5000; check "Cancel closes it" "$?" 0
sleep 1
check "nothing requested after Cancel" "$(requests ExitWindowsEx)" 0

# The second one runs its course: a forced restart after about 15 seconds. After a
# daily row fires the watcher rests until its next once-a-minute re-arm and then one
# slow minute more, so the next minute's row may come up to two minutes later.
drive wait frmRestart 130000; check "confirmation window in the next minute" "$?" 0
shown=$(date +%s)
check "it carries the restart" "$(drive text frmRestart $restart_word)" Restart
for _ in $(seq 250); do [ "$(requests 'ExitWindowsEx 6')" = 1 ] && break; sleep 0.1; done
waited=$(( $(date +%s) - shown ))
check "forced restart recorded" "$(requests 'ExitWindowsEx 6')" 1
check "after about 15 seconds" "$([ "$waited" -ge 12 ] && [ "$waited" -le 20 ] && echo yes || echo "no: ${waited}s")" yes
check "only that request" "$(requests ExitWindowsEx)" 1
check "rows are kept when they fire" "$(sqlite3 system.vvc 'select count(*) from table1')" 2

# A new start lists the rows from the file; Delete All empties both.
wineserver -k 2>/dev/null; sleep 1
start_program
check "rows read back at start" "$(drive list-count frmMain1 $list)" 2
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
wine "$exe" &
box=$(drive msgbox 20000 | paste -sd'|')
check "a foreign file is reported" "$box" "Dusklatch|error|file is not a database"
drive msgbox-press OK
for _ in $(seq 50); do drive tray 515 >/dev/null && drive wait frmMain1 200 >/dev/null && break; sleep 0.2; done
check "the program runs on" "$(drive visible frmMain1)" 1
check "the file is untouched" "$(md5sum < system.vvc)" "$before"
wineserver -k 2>/dev/null
summary
