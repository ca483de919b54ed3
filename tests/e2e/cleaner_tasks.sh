#!/usr/bin/env bash
# The cleaning tasks in the test build of the program (power requests and the shell's
# recycle bin, recent documents and program starts recorded, never made; the registry
# and the files of this script's own prefix are real). Tasks ticked on the cleaner
# page run right before the action of a one-minute countdown and of a schedule that
# fires: the planted temporary files and registry lists are gone and the batch files
# were started before the recorded power request. The page's Save writes its keys; the
# tray's "Delete All" asks first, shows the working window and says when it is done.
set -uo pipefail
source "$(dirname "$0")/lib/common.sh"
program_folder cleaner_tasks
source "$e2e_lib/tray.sh"

# Control ids: the cleaner page's boxes and buttons, the timer page, the navigation.
nav_cleaner=202 nav_main=200
check1=1201 check3=1203 check5=1205 check7=1207 check9=1209 label41=1241
select_all=1250 deselect_all=1251 save=1252
txt_hours=1110 txt_minutes=1112 enable_timer=1130

two_menus() { [ "$(drive menu-count)" = 2 ]; }
folder=$(winepath -w "$PWD")
started_batch() { grep -c -F "start $folder\\$1" "$log"; }
line_no() { grep -n -F "$1" "$log" | head -1 | cut -d: -f1; }
# True when the log's first line holding $1 comes before its first line holding $2.
before_in_log() { local a b; a=$(line_no "$1") b=$(line_no "$2"); [ -n "$a" ] && [ -n "$b" ] && [ "$a" -lt "$b" ]; }

# What the script plants and reads back: files in the prefix's temporary folder and
# history lists in the prefix's registry.
temp=$(winepath -u "$(wine cmd /c echo %TEMP% 2>/dev/null | tr -d '\r')")
must "the prefix's temporary folder lies in the prefix" "$(case "$temp" in "$WINEPREFIX"/*) echo yes ;; *) echo "no: $temp" ;; esac)" yes
HK='HKCU\Software\Microsoft'
typed="$HK\Internet Explorer\TypedURLs" run="$HK\Windows\CurrentVersion\Explorer\RunMRU"
player="$HK\MediaPlayer\Player\RecentFileList" paint="$HK\Windows\CurrentVersion\Applets\Paint\Recent File List"
plant() {
  mkdir -p "$temp/planted/inner"
  printf 'trace' >"$temp/planted.tmp"; printf 'trace' >"$temp/planted/inner/deep.tmp"
  wine reg add "$typed" /v url1 /d 'http://example.invalid/' /f >/dev/null 2>&1
  wine reg add "$run" /v a /d 'notepad\1' /f >/dev/null 2>&1
  wine reg add "$run" /v MRUList /d a /f >/dev/null 2>&1
  wine reg add "$player" /v File0 /d 'C:\song.mp3' /f >/dev/null 2>&1
  wine reg add "$paint" /v File1 /d 'C:\picture.bmp' /f >/dev/null 2>&1
}
has_value() { wine reg query "$1" /v "$2" >/dev/null 2>&1 && echo there || echo gone; }
traces() {  # the state of every planted trace, in one line
  echo "temp:$([ -e "$temp/planted.tmp" ] || [ -e "$temp/planted" ] && echo there || echo gone)" \
    "typed:$(has_value "$typed" url1) run:$(has_value "$run" a) player:$(has_value "$player" File0)" \
    "paint:$(has_value "$paint" File1)"
}

# The Run box's history is chosen in the file alone: the page has no box for it.
sed -i 's/^runhistory=.*/runhistory=1/' config.ini
grep -q '^runhistory=1' config.ini || printf '[CLEANUP]\r\nrunhistory=1\r\n' >>config.ini
plant
must "traces planted" "$(traces)" "temp:there typed:there run:there player:there paint:there"
start_in_tray

drive tray 515 >/dev/null; drive wait frmMain1 5000 >/dev/null
drive click frmMain1 $nav_cleaner
page_shown() { [ "$(drive shown frmMain1 $save)" = 1 ]; }
until_true 5 page_shown
must "the cleaner page is shown" "$(drive shown frmMain1 $save)" 1
shot cleaner-page
# Select all, then the same button again after unticking one: nothing the second time.
drive click frmMain1 $select_all; sleep 0.3
check "Select all ticks the boxes" "$(drive checked frmMain1 $check1)$(drive checked frmMain1 $check9)" 11
drive click frmMain1 $check7; sleep 0.2
drive click frmMain1 $select_all; sleep 0.3
check "Select all twice leaves an unticked box alone" "$(drive checked frmMain1 $check7)" 0
drive click frmMain1 $deselect_all; sleep 0.3
check "Deselect all clears them" "$(drive checked frmMain1 $check1)$(drive checked frmMain1 $check9)" 00
drive click frmMain1 $save
check "saving nothing is refused" "$(drive msgbox 5000 | paste -sd'|')" "Dusklatch|error|Please select atleast one option"
drive msgbox-press OK; drive wait-gone '#32770' 3000 >/dev/null

# The tasks for the countdown: the recycle bin, the typed addresses (through their
# label), the media player and the temporary folder. Saved, then the typed addresses
# unticked and ticked again without saving: the run reads the boxes as they stand.
drive click frmMain1 $check1; drive click frmMain1 $label41; drive click frmMain1 $check5; drive click frmMain1 $check9
sleep 0.3
check "a click on a label ticks its box" "$(drive checked frmMain1 $check3)" 1
drive click frmMain1 $save
check "saved" "$(drive msgbox 5000 | paste -sd'|')" "Dusklatch|information|Settings have been saved"
drive msgbox-press OK; drive wait-gone '#32770' 3000 >/dev/null
keys=$(tr -d '\r' <config.ini | sed -n '/^\[CLEANUP\]/,/^\[/p' | grep '=' | paste -sd' ')
check "the nine keys in their order, the Run box's kept" "$keys" \
  "recyclebin=1 recentdocument=0 explorerhistory=1 urlhistory=0 wmphistory=1 searchhistory=0 pbhistory=0 runhistory=1 tempclean=1"

drive click frmMain1 $nav_main
drive set-text frmMain1 $txt_hours "0"
drive set-text frmMain1 $txt_minutes "01"
drive click frmMain1 $enable_timer
check "countdown armed" "$(drive msgbox 5000 | paste -sd'|')" "Dusklatch|information|The time is set."
drive msgbox-press OK
until_true 90 grep -q 'ExitWindowsEx' "$log"
check "the shutdown was recorded" "$(grep -c 'ExitWindowsEx' "$log")" 1
check "the recycle bin, before it" "$(before_in_log 'empty recycle bin 7' ExitWindowsEx && echo yes)" yes
check "kie.bat twice (typed addresses, temporary folder)" "$(started_batch kie.bat)" 2
check "kwmp.bat before the player's list" "$(started_batch kwmp.bat)" 1
check "all started before the request" "$(before_in_log "kwmp.bat" ExitWindowsEx && echo yes)" yes
check "no batch file of an unticked task" "$(started_batch sys.bat)$(started_batch system.bat)$(started_batch kp.bat)" 000
check "the ticked traces are gone, the Paint list stays" "$(traces)" \
  "temp:gone typed:gone run:gone player:gone paint:there"
drive wait-gone Form3 5000 >/dev/null

# A schedule that fires: a restart for a minute the script picks, stored before the
# program starts so that the watcher reads it; the same tasks run before it.
stop_program; pid=
: >"$log"; plant
now() { date +%s; }
due=$(( ( $(now) + 45 + 59 ) / 60 * 60 ))
due_time=$(LC_ALL=C date -d "@$due" +%I:%M:%p)
sqlite3 system.vvc "insert into table1 (Action, Date, Time, Type, Icon) values ('Restart', 'DAILY', '$due_time', 'Daily', 'Restart')"
start_in_tray
drive wait frmRestart $(( (due - $(now) + 60) * 1000 )) >/dev/null
check "the schedule's window came in its minute" "$?" 0
until_true 30 grep -q 'ExitWindowsEx' "$log"
check "the restart was recorded" "$(grep -c 'ExitWindowsEx' "$log")" 1
check "after the tasks" "$(before_in_log 'empty recycle bin 7' ExitWindowsEx && before_in_log kwmp.bat ExitWindowsEx && echo yes)" yes
check "the schedule's run cleaned the same traces" "$(traces)" \
  "temp:gone typed:gone run:gone player:gone paint:there"

# Delete All from the tray: No does nothing; Yes cleans everything but the recycle
# bin, with the working window shown meanwhile.
# The schedule goes first: a start inside its minute would bring it up again.
stop_program; pid=
sqlite3 system.vvc "delete from table1"
: >"$log"; plant
start_in_tray
drive tray 517; drive menu 5000 >/dev/null
key 0x28; key 0x28; key 0x27               # "Clear Privacy data", open it
until_true 5 two_menus
key 0x0D                                    # Delete All
question="All of the data including cookie,IE history,IE Typed Urls,cookies,Recent documents will be deleted !!! Are you sure ??"
check "Delete All asks first" "$(drive msgbox 5000 | paste -sd'|')" "Dusklatch|warning|$question"
drive msgbox-press No; drive wait-gone '#32770' 3000 >/dev/null
sleep 1
check "No: nothing more is shown" "$(drive visible '#32770')$(drive visible Form4)" 00
check "and nothing is deleted" "$(traces)" "temp:there typed:there run:there player:there paint:there"

# Enough files that shredding them takes a while to look at.
mkdir -p "$temp/planted/many"
for i in $(seq 400); do head -c 20000 /dev/zero >"$temp/planted/many/$i.tmp"; done
drive tray 517; drive menu 5000 >/dev/null
key 0x28; key 0x28; key 0x27
until_true 5 two_menus
key 0x0D
drive msgbox 5000 >/dev/null; drive msgbox-press Yes
drive wait Form4 5000 >/dev/null; check "the working window is shown" "$?" 0
shot cleaner-working-window
done_box=$(drive msgbox 60000 | paste -sd'|')
check "it says when all is done" "$done_box" "Dusklatch|information|All of the items have been deleted"
check "the working window is gone by then" "$(drive visible Form4)" 0
shot cleaner-delete-all-done
drive msgbox-press OK
# The typed addresses start at url1, past the end of the list the program walks
# from url0: sys.bat, started after the temporary folder, clears them.
check "every trace but the typed addresses is gone" "$(traces)" \
  "temp:gone typed:there run:gone player:gone paint:gone"
check "the recycle bin is not emptied" "$(grep -c 'empty recycle bin' "$log")" 0
check "sys.bat after the temporary folder, then system.bat" \
  "$(before_in_log sys.bat system.bat && echo yes)" yes
check "no power request, no other window" "$(grep -c -E 'ExitWindowsEx|SetSuspendState' "$log")$(drive visible frmRestart)" 00
stop_program
summary
