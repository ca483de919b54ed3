# Driving the program through its tray icon and menu. Sourced after common.sh, in the
# program folder; the recording build writes its power requests to $log.

log=power-requests.log
touch "$log"

# Items the keyboard can reach, top to bottom (dividing lines are skipped).
ABOUT=0 CLEAR=1 SHUTDOWN=2 RESTART=3 STANDBY=4 HIBERNATE=5 LOGOFF=6 LOCK=7 SCHEDULE=8 MAIN=9

key() { drive post '#32768' 0x100 "$1" 0; drive post '#32768' 0x101 "$1" 0; }  # into the open menu

# Starts the program and waits until it lives in the tray with the splash gone; sets pid.
start_in_tray() {
  wine "$exe" &
  pid=$!
  for _ in $(seq 100); do drive wait frmMain1 0 >/dev/null; drive tray 0 >/dev/null && break; sleep 0.2; done
  drive wait-gone frmsplash1 10000 >/dev/null
}

choose() {  # opens the tray menu with a right click and chooses the item
  drive tray 517
  drive menu 5000 >/dev/null || return 1
  drive menu-choose "$1" >/dev/null
  # A greyed item leaves the menu open: close it as a user would.
  drive wait-gone '#32768' 1500 >/dev/null && return 0
  key 0x1B
  drive wait-gone '#32768' 3000 >/dev/null
}

# The requests a command added to the log, joined with "|".
requests_of() {
  local before; before=$(wc -l <"$log")
  choose "$1"
  for _ in $(seq 30); do [ "$(wc -l <"$log")" -gt "$before" ] && break; sleep 0.1; done
  sleep 0.2
  tail -n +"$((before + 1))" "$log" | tr -d '\r' | paste -sd'|'
}
