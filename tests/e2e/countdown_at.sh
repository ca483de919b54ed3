#!/usr/bin/env bash
# The timer page's "At" mode in the test build of the program (power requests
# recorded, never made): a restart at 11:05 PM without force. The program runs in a
# time zone chosen so that 11:05 PM is a minute or so away; the tray tip names the
# moment, and the restart is requested then, not before, and without force.
set -uo pipefail
source "$(dirname "$0")/lib/common.sh"
program_folder countdown_at
source "$e2e_lib/tray.sh"

# A zone whose clock reads 11:05 PM 60 to 120 seconds from now: its distance from
# UTC in whole minutes, kept within half a day.
utc=$(date -u +%s)
eleven_five=$(( 23 * 3600 + 5 * 60 ))
offset=$(( (eleven_five - utc % 86400 - 60) / 60 * 60 ))
offset=$(( (offset % 86400 + 86400) % 86400 ))
[ "$offset" -gt 43200 ] && offset=$(( offset - 86400 ))
moment=$(( utc + ((eleven_five - utc % 86400 - offset) % 86400 + 86400) % 86400 ))
sign=$([ "$offset" -ge 0 ] && echo - || echo +)       # POSIX zones count westwards
abs=${offset#-}
export TZ=$(printf 'DSK%s%02d:%02d' "$sign" $(( abs / 3600 )) $(( abs % 3600 / 60 )))
echo "zone $TZ: 11:05 PM there is $(( moment - $(date +%s) )) s away"

start_in_tray
drive tray 515
must "main window shown" "$(drive wait frmMain1 5000 >/dev/null && echo yes)" yes
drive select frmMain1 1101 1                # cmbAction: Restart
drive check frmMain1 1103 1                 # opt(1): At
check "At unlocks the clock fields" "$(drive enabled frmMain1 1114)$(drive enabled frmMain1 1110)" 10
drive set-text frmMain1 1114 "11"           # txtHour
drive set-text frmMain1 1116 "05"           # txtMin
drive select frmMain1 1118 1                # cmbT: PM
drive check frmMain1 1120 0                 # chkForce off
drive click frmMain1 1130                   # isButton1: arm
check "confirmation" "$(drive msgbox | paste -sd'|')" "Dusklatch|information|The time is set."
drive msgbox-press OK
drive wait-gone '#32770' 3000 >/dev/null

left=$(( moment - $(date +%s) ))
counting() { [[ "$(drive text frmMain1 303)" =~ ^[0-9]+\ Seconds\ Remaining$ ]]; }
until_true 5 counting
status=$(drive text frmMain1 303)
check "it counts down to today's 11:05 PM" \
  "$(n=${status%% *}; [ "${n:-0}" -ge $((left - 5)) ] && [ "${n:-0}" -le $((left + 5)) ] && echo yes || echo "no: '$status', $left s expected")" yes
tip=$(icon_tip | sed 's/ *$//')
check "the tray tip names the moment" "$tip" "Restart On $(date -d "@$moment" +%-m/%-d/%Y) 11:05:00 PM"
shot countdown-at-tip

until_true $(( moment - $(date +%s) + 20 )) grep -q ExitWindowsEx "$log"
came=$(date +%s)
check "the restart comes at 11:05 PM, not before" \
  "$([ "$came" -ge "$moment" ] && [ "$came" -le $((moment + 5)) ] && echo yes || echo "no: $((came - moment)) s after")" yes
sleep 0.3
check "requested without force" "$(tr -d '\r' <"$log" | paste -sd'|')" "privilege on|ExitWindowsEx 2|privilege off"
stop_program
summary
