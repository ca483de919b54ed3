# Driving the program through its tray icon and menu. Sourced after common.sh, in the
# program folder; the recording build writes its power requests to $log.

log=power-requests.log
touch "$log"

# Items the keyboard can reach, top to bottom (dividing lines are skipped).
ABOUT=0 CLEAR=1 SHUTDOWN=2 RESTART=3 STANDBY=4 HIBERNATE=5 LOGOFF=6 LOCK=7 SCHEDULE=8 MAIN=9

key() { drive post '#32768' 0x100 "$1" 0; drive post '#32768' 0x101 "$1" 0; }  # into the open menu

# Starts the program and waits until it lives in the tray with the splash gone; sets
# pid. A program that did not come up ends the script: nothing after it could pass.
in_tray() { [ -n "$(tray_window)" ] && drive text frmMain1 0 >/dev/null && [ "$(drive visible frmsplash1)" = 0 ]; }
start_in_tray() {
  wine "$exe" &
  pid=$!
  until_true 30 in_tray
  must "the program came up in the tray" "$(in_tray && echo yes)" yes
}
# Wine's tray window, while it shows at least one icon.
tray_window() { xdotool search --onlyvisible --name 'Wine System Tray' 2>/dev/null | head -1; }
# The middle of the program's icon: the first square of the tray window's client
# area, which holds only ours.
icon_middle() {
  local left top width height
  read -r left top width height < <(drive client __winex11_standalone_tray)
  echo "$((left + height / 2)) $((top + height / 2))"
}
# Rests the pointer on the icon and prints the tip the shell shows for it; fails when
# no tip comes. A move starts the tip's delay again, so the pointer stays put while
# the tip is watched (1.5 s, then longer each time), and moves by a pixel only when
# none came.
icon_tip() {
  local x y round
  read -r x y < <(icon_middle)
  xdotool mousemove 900 700 2>/dev/null
  for round in 1 2 3 4; do
    xdotool mousemove "$((x - round % 2))" "$y" 2>/dev/null
    within $((round * 1500)) tip_shown && { drive text tooltips_class32 0; return 0; }
  done
  return 1
}
tip_shown() { [ "$(drive visible tooltips_class32)" = 1 ]; }

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
  # A message sent to the program returns once it is back in its message loop: by
  # then the command has written all of its requests.
  drive send Form2 0 0 0 >/dev/null
  tail -n +"$((before + 1))" "$log" | tr -d '\r' | paste -sd'|'
}

# The mouse in the open menu. open_menu opens it at the pointer and prints its
# rectangle: left top width height.
open_menu() {
  xdotool mousemove 600 400 2>/dev/null
  drive tray 517 >/dev/null
  drive menu 5000
}
# The vertical middle of a row of the open menu whose top is $1: rows are 22 pixels,
# each dividing line 7, inside a 3-pixel frame. $2 rows and $3 lines above it.
row_middle() { echo $(($1 + 3 + 22 * $2 + 7 * $3 + 11)); }
# A click where no menu item is: the pointer moves there and clicks.
click_at() { xdotool mousemove "$1" "$2" click 1 2>/dev/null; }
# Clicks an item like a person: the pointer moves onto the row whose middle is at
# x $1, y $2 of the open menu (left $3, width $4), and clicks once the row has lit up
# (a greyed row gets a frame); fails, without clicking, when it does not.
click_item() {  # x, y, menu left, menu width
  local box="$(($4 - 6))x22+$(($3 + 3))+$(($2 - 11))" lit
  shot_settled "$box" menu-row-before &&
    shot_until "$box" menu-row-lit menu-row-before differs "$1" "$2"
  lit=$?
  rm -f "$DUSK_SHOTS"/menu-row-*.png
  [ "$lit" = 0 ] || { echo "the menu row at $1,$2 did not light up under the pointer"; return 1; }
  xdotool click 1 2>/dev/null
}
