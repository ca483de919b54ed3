#!/usr/bin/env bash
# Checks the window driver the other end-to-end scripts rely on, against a small
# target window: finding windows and controls, texts, buttons, message boxes, menus.
set -uo pipefail
source "$(dirname "$0")/lib/common.sh"

wine "$DUSK_BUILD/wintest/drive_target.exe" &
pid=$!
drive wait DriveTarget 15000; check "window found" "$?" 0
check "edit text" "$(drive text DriveTarget 10)" "start"
drive set-text DriveTarget 10 "typed"
check "set text" "$(drive text DriveTarget 10)" "typed"
drive click DriveTarget 11
check "message box" "$(drive msgbox | paste -sd'|')" "Target|warning|Really?"
drive msgbox-press Yes
drive wait-gone '#32770' 5000
text_is() { [ "$(drive text DriveTarget 10)" = "$1" ]; }
until_true 5 text_is yes
check "answer pressed" "$(drive text DriveTarget 10)" "yes"
drive post DriveTarget 0x205 0 0   # right button up opens the menu
drive menu >/dev/null; check "menu open" "$?" 0
drive menu-choose 1
drive wait-gone '#32768' 5000
until_true 5 text_is second
check "menu item chosen past the separator" "$(drive text DriveTarget 10)" "second"
check "missing window" "$(drive visible NoSuchClass)" "0"
stop_program
summary
