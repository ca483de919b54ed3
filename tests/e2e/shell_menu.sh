#!/usr/bin/env bash
# The file manager's right-click menu. Wine's own file manager never loads such menus,
# so a probe drives the extension as a file manager does: it reads the registration
# the running program wrote, loads the DLL that names, asks for the menu of a file and
# chooses items, each carried out by the test build of the program (power requests
# recorded, never made). After the program ends the registration is gone and a
# leftover extension offers nothing; a killed program's registration is repaired at
# the next start. Then the 64-bit extension, from a 64-bit probe in a 64-bit prefix.
set -uo pipefail
source "$(dirname "$0")/lib/common.sh"
program_folder shell_menu
source "$e2e_lib/tray.sh"

EXIT=10  # the tray menu's last item
selected=$(winepath -w "$PWD/selected.txt" 2>/dev/null); echo "chosen in the file manager" >selected.txt
probe() { wine "$DUSK_BUILD/wintest/shellext_probe.exe" "$@" 2>/dev/null | tr -d '\r'; }
here=$(winepath -w "$PWD" 2>/dev/null)
class='{9A87D8EF-337F-4226-AF23-0399C02C9132}'

# What the probe's chosen item added to the log, joined with "|".
request_of() {  # probe arguments after "invoke <file>"
  local before; before=$(wc -l <"$log")
  probe invoke "$selected" "$@" >/dev/null
  for _ in $(seq 30); do [ "$(wc -l <"$log")" -gt "$before" ] && break; sleep 0.1; done
  sleep 0.2
  tail -n +"$((before + 1))" "$log" | tr -d '\r' | paste -sd'|'
}
exit_program() {
  drive tray 517; drive menu 5000 >/dev/null; drive menu-choose $EXIT >/dev/null
  drive msgbox 5000 >/dev/null; drive msgbox-press Yes
  wait_ended "$pid" 10
}

check "no registration before the program runs" "$(probe registration | grep server)" "server: "
start_in_tray
check "registration while it runs" "$(probe registration | paste -sd'|')" \
  "class: Dusklatch|server: $here\\DusklatchMenu.dll|threading: Apartment|handler *: $class|handler Directory: $class|handler Directory\\Background: $class|handler Drive: $class"

menu=$(probe menu "$selected")
check "the menu of a file" "$(printf '%s\n' "$menu" | paste -sd'|')" \
  "added 8|Open|separator|Dusklatch | offset 7 | picture | submenu|\
  Shutdown | offset 0 | dusklatch.shutdown | Shuts the computer down.|\
  Restart | offset 1 | dusklatch.restart | Restarts the computer.|\
  StandBy | offset 2 | dusklatch.standby | Puts the computer on stand by.|\
  Hibernate | offset 3 | dusklatch.hibernate | Hibernates the computer.|\
  Logoff | offset 4 | dusklatch.logoff | Logs the current user off.|\
  Lock Computer | offset 5 | dusklatch.lock | Locks the computer.|\
  About | offset 6 | dusklatch.about | Shows what Dusklatch is.|\
Properties|references left: 0|can unload: yes"
check "the menu of a folder" "$(probe menu "$here" | head -1)" "added 8"

# A second copy started from another folder ends at once and leaves the menu to the first.
mkdir -p second && cp "$exe" DusklatchMenu*.dll second/
wine "second/$(basename "$exe")" &
second=$!
drive msgbox 15000 >/dev/null; drive msgbox-press OK
wait_ended "$second" 10
check "a second copy leaves the registration alone" "$(probe registration | grep server)" "server: $here\\DusklatchMenu.dll"

check "Shutdown" "$(request_of 0)" "privilege on|ExitWindowsEx 8|privilege off"
check "Restart by its verb" "$(request_of dusklatch.restart)" "privilege on|ExitWindowsEx 2|privilege off"
check "StandBy by its 8-bit verb" "$(request_of DUSKLATCH.STANDBY ansi)" "privilege on|SetSuspendState 0 0 0|privilege off"
check "Logoff" "$(request_of 4)" "privilege on|ExitWindowsEx 0|privilege off"
check "Lock Computer" "$(request_of 5)" "LockWorkStation"
check "an unknown verb does nothing" "$(probe invoke "$selected" open | grep invoke)" "invoke: 0x80004005"
check "still running, nothing asked" "$(kill -0 $pid 2>/dev/null && echo yes)$(drive visible '#32770')" yes0

before=$(wc -l <"$log")
probe invoke "$selected" 3 >/dev/null
check "Hibernate without the file tells why" "$(drive msgbox 5000 | paste -sd'|')" \
  "Dusklatch|error|Hibernation is DISABLED in your system.To enable it go to control panel then click on Power Options.Now click on Hibernate tab.Now mark the checkbox -->Enable Hibernation.Now click on apply and then click on ok button."
drive msgbox-press OK; drive wait-gone '#32770' 3000 >/dev/null
check "and requests nothing" "$(wc -l <"$log")" "$before"
printf 'x' >"$WINEPREFIX/drive_c/hiberfil.sys"
wine cmd /c attrib +h +s +r 'C:\hiberfil.sys' >/dev/null 2>&1
check "Hibernate with the file" "$(request_of 3)" "privilege on|SetSuspendState 1 0 0|privilege off"
rm -f "$WINEPREFIX/drive_c/hiberfil.sys"

# The menu as a user sees it: popped up by the probe, opened with the keyboard, About
# chosen in it.
probe popup "$selected" >popup.out &
popup=$!
drive menu 5000 >/dev/null; check "the probe pops the menu up" "$?" 0
sleep 0.4
shot shell-menu-root
key 0x28; key 0x28; key 0x27        # down to "Dusklatch", open its submenu
sleep 0.6
shot shell-menu
check "the submenu opens" "$(drive menu-count)" 2
for _ in 1 2 3 4 5 6; do key 0x28; done; key 0x0D   # down to About, choose it
wait_ended "$popup" 10
check "About chosen in the menu" "$(grep -E '^(chosen|invoke)' popup.out | paste -sd'|')" \
  "chosen: offset 6|invoke: 0x00000000"
drive wait frmAbout 5000 >/dev/null; check "opens the about window" "$?" 0
check "not modal: no owner" "$(drive owner frmAbout)" ""
check "the main window stays hidden" "$(drive visible frmMain1)" 0
drive click frmAbout 1; drive wait-gone frmAbout 5000 >/dev/null
drive click frmMain1 302; drive wait-gone frmMain1 5000 >/dev/null
check "no request from About" "$(wc -l <"$log")" "$((before + 3))"

exit_program
check "Exit takes the registration away" "$(probe registration | paste -sd'|')" \
  "class: |server: |threading: |handler *: |handler Directory: |handler Directory\\Background: |handler Drive: "
check "a leftover extension offers nothing" "$(probe --dll "$here\\DusklatchMenu.dll" menu "$selected" | paste -sd'|')" \
  "added 0|Open|Properties|references left: 0|can unload: yes"

# Killed: the registration stays behind, offers nothing, and the next start repairs it.
start_in_tray
wine reg add "HKCU\\Software\\Classes\\CLSID\\$class\\InprocServer32" /ve /d 'C:\gone\DusklatchMenu.dll' /f >/dev/null 2>&1
kill -9 $pid; wait $pid 2>/dev/null
for _ in $(seq 50); do [ "$(drive visible frmMain1)" = 0 ] && break; sleep 0.1; done
check "a killed program's registration stays" "$(probe registration | grep server)" 'server: C:\gone\DusklatchMenu.dll'
check "but offers nothing" "$(probe --dll "$here\\DusklatchMenu.dll" menu "$selected" | head -1)" "added 0"
start_in_tray
check "the next start repairs it" "$(probe registration | grep server)" "server: $here\\DusklatchMenu.dll"
check "and the menu is back" "$(probe menu "$selected" | head -1)" "added 8"
exit_program
wineserver -k 2>/dev/null

# A 64-bit file manager loads only the 64-bit extension: the program (32-bit) registers
# it in the 64-bit view, where a 64-bit probe finds it.
probe64() { wine "$DUSK_BUILD/wintest/shellext_probe64.exe" "$@" 2>/dev/null | tr -d '\r'; }
source "$e2e_lib/../../../scripts/wine-env.sh"
WINE_ENV_ROOT=$DUSK_BUILD/wine
wine_env_prefix64 "$WINE_ENV_ROOT/prefix-shell_menu64"
: >"$log"
start_in_tray
check "64-bit: registration" "$(probe64 registration | grep server)" "server: $here\\DusklatchMenu64.dll"
menu=$(probe64 menu "$selected")
check "64-bit: the menu" "$(printf '%s\n' "$menu" | grep -v '^  ' | paste -sd'|')" \
  "added 8|Open|separator|Dusklatch | offset 7 | picture | submenu|Properties|references left: 0|can unload: yes"
check "64-bit: the submenu" "$(printf '%s\n' "$menu" | grep '^  ' | cut -d'|' -f1 | sed 's/ *$//; s/^ *//' | paste -sd'|')" \
  "Shutdown|Restart|StandBy|Hibernate|Logoff|Lock Computer|About"
before=$(wc -l <"$log"); probe64 invoke "$selected" 1 >/dev/null
for _ in $(seq 30); do [ "$(wc -l <"$log")" -gt "$before" ] && break; sleep 0.1; done; sleep 0.2
check "64-bit: Restart" "$(tail -n +"$((before + 1))" "$log" | tr -d '\r' | paste -sd'|')" "privilege on|ExitWindowsEx 2|privilege off"
exit_program
check "64-bit: Exit takes the registration away" "$(probe64 registration | grep server)" "server: "
wine_env_cleanup
rm -rf "$WINE_ENV_ROOT/prefix-shell_menu64"  # 1.3 GB, made afresh by every run
summary
