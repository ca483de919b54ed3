#!/usr/bin/env bash
# The program's icon in Wine's tray window, used with the real pointer: resting on it
# shows the tip, a double click opens the main window, a right click opens the tray
# menu at the pointer. A shell that restarts has lost every icon and announces itself
# with "TaskbarCreated"; the icon must come back and answer the mouse again.
set -uo pipefail
source "$(dirname "$0")/lib/common.sh"
program_folder tray_icon
source "$e2e_lib/tray.sh"

double_click_icon() {
  read -r x y < <(icon_middle)
  xdotool mousemove "$x" "$y" click --repeat 2 --delay 80 1
}
hide_main() { drive click frmMain1 302; drive wait-gone frmMain1 5000 >/dev/null; }

start_in_tray
shot tray-icon
read -r x y < <(icon_middle)

tip=$(icon_tip); check "resting on the icon shows a tip" "$?" 0
check "the tip, filled with spaces to its 64-byte field" "$tip" "$(printf '%-63s' 'No Action Set')"
shot tray-icon-tip

double_click_icon
drive wait frmMain1 5000 >/dev/null; check "a double click on the icon opens the main window" "$?" 0
hide_main

xdotool mousemove "$x" "$y" click 3
read -r left top _ _ < <(drive menu 5000)
check "a right click on the icon opens the tray menu" "$([ -n "${top:-}" ] && echo open)" open
check "at the pointer" "$([ "$(( left > x - 30 && left < x + 30 ))" = 1 ] && echo yes || echo "no: menu at $left, pointer at $x")" yes
shot tray-icon-menu
key 0x1B
drive wait-gone '#32768' 3000; check "Esc closes it" "$?" 0

# The shell restarts: it holds no icon, then says so to every window.
drive tray-forget; check "the shell lets go of the icon" "$?" 0
no_tray() { [ -z "$(tray_window)" ]; }
until_true 5 no_tray; check "the tray is empty" "$?" 0
drive post-named '*' TaskbarCreated
until_true 5 in_tray; check "TaskbarCreated brings the icon back" "$?" 0
double_click_icon
drive wait frmMain1 5000 >/dev/null; check "and a double click on it opens the main window" "$?" 0

stop_program
summary
