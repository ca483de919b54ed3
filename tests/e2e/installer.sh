#!/usr/bin/env bash
# The two packages as a Windows user meets them, in this script's own throwaway prefix:
# the portable zip; the installer's pages and the uninstaller's, with Dusklatch running;
# a silent upgrade over an older version that keeps the settings and schedules; a
# silent uninstall; and a DLL held open while setup replaces it and the uninstaller
# removes it. Screenshots of the pages go to $DUSK_SHOTS/installer-*.png.
set -uo pipefail
source "$(dirname "$0")/lib/common.sh"
root=$(cd "$e2e_lib/../../.." && pwd)

version=$(sed -n 's/^ *!define VERSION "\(.*\)"$/\1/p' "$DUSK_BUILD/win/generated/product.nsh")
setup=$DUSK_BUILD/packages/Dusklatch-$version-setup.exe
zip=$DUSK_BUILD/packages/Dusklatch-$version-portable.zip
check "both packages are built (bash scripts/build.sh package)" \
  "$([ -f "$setup" ] && [ -f "$zip" ] && echo yes)" yes
[ -f "$setup" ] && [ -f "$zip" ] || { summary; exit 1; }

work=$DUSK_BUILD/e2e/installer
rm -rf "$work"; mkdir -p "$work"
cd "$work" || exit 1
source "$e2e_lib/tray.sh"

program='C:\Program Files\Dusklatch'
installed=$(winepath -u "$program" 2>/dev/null)
appdata=$(winepath -u "$(wine cmd /c echo %APPDATA% 2>/dev/null | tr -d '\r')" 2>/dev/null)/Dusklatch
uninstall_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Dusklatch'
run_key='HKLM\Software\Microsoft\Windows\CurrentVersion\Run'
pending_key='HKLM\System\CurrentControlSet\Control\Session Manager'
release_files=$(cd "$DUSK_RELEASE" && find . -type f | LC_ALL=C sort)

reg_value() {  # key, value name ("(Default)": the key's own value): the data, or nothing
  local which=(/v "$2"); [ "$2" = "(Default)" ] && which=(/ve)
  wine reg query "$1" "${which[@]}" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 \+REG_[A-Z_]\+ \+//p"
}
reg_key() { wine reg query "$1" >/dev/null 2>&1 && echo present || echo absent; }
files_of() { (cd "$1" 2>/dev/null && find . -type f | LC_ALL=C sort); }
start_menu() { find "$WINEPREFIX/drive_c" -path '*Start Menu/Programs/Dusklatch*' -name '*.lnk' | sed 's|.*/||' | sort | paste -sd,; }
tray_window() { [ -n "$(xdotool search --name 'Wine System Tray' 2>/dev/null | head -1)" ] && echo shown || echo none; }
running() { kill -0 "$pid" 2>/dev/null && echo running || echo ended; }
# Ends the program the way setup does (its message loop ends) and waits for it.
end_program() {
  drive post frmMain1 0x12 0 0 >/dev/null
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.2; done
}
# The uninstaller copies itself elsewhere and starts that copy with "_?=<folder>" (which
# must stand unquoted at the end of the command line); doing that here lets the script
# wait for it. The copy sits alone in a folder of its own: without "_?=" an uninstaller
# takes its own folder for the program's.
uninstall() {
  mkdir -p "$work/uninstaller"
  cp "$installed/uninstall.exe" "$work/uninstaller/uninstall.exe"
  wine cmd /c "$(winepath -w "$work/uninstaller/uninstall.exe") $* _?=$program" >/dev/null 2>&1
}
# An installer with another version number from a copy of the release folder
# ($1: the version; more arguments: files to add beside the exe).
older_setup() {
  local v=$1 build=$work/build-$1
  shift
  rm -rf "$build"; mkdir -p "$build/release" "$build/generated" "$build/art"
  cp -r "$DUSK_RELEASE" "$build/release/Dusklatch"
  cp "$DUSK_BUILD/win/generated/product.nsh" "$build/generated/"
  cp "$DUSK_BUILD/win/art/app.ico" "$build/art/"
  [ $# -gt 0 ] && cp "$@" "$build/release/Dusklatch/"
  bash "$root/packaging/make-packages.sh" --version "$v" "$build" "$work/packages-$v" >/dev/null &&
    echo "$work/packages-$v/Dusklatch-$v-setup.exe"
}

echo "== every shipped exe and DLL imports only what Windows XP has"
mkdir -p unzipped
unzip -q "$zip" -d unzipped
for f in "$setup" unzipped/Dusklatch/*.exe unzipped/Dusklatch/*.[dD][lL][lL]; do
  [ -e "$f" ] || continue
  check "import check: $(basename "$f")" \
    "$(bash "$root/scripts/check-xp-imports.sh" "$f" >/dev/null 2>&1 && echo ok)" ok
done
matches "the exe's version resource carries the package's version" \
  "$(wrestool -x --raw --type=16 unzipped/Dusklatch/Dusklatch.exe 2>/dev/null | iconv -f utf-16le -t utf-8 -c | tr -c '[:print:]' ' ')" \
  "FileVersion +$version .*ProductVersion +$version"

echo "== the portable zip: one folder, the release files, started where it lies"
check "the zip holds the release folder's files" "$(files_of unzipped/Dusklatch)" "$release_files"
check "the zip's batch files are the release folder's, byte for byte" \
  "$(for b in kie sys system kwmp kp; do cmp -s "unzipped/Dusklatch/$b.bat" "$DUSK_RELEASE/$b.bat" && echo -n "$b "; done)" \
  "kie sys system kwmp kp "
exe=$work/unzipped/Dusklatch/Dusklatch.exe
start_in_tray
check "the unpacked program runs in the tray" "$(running),$(tray_window)" "running,shown"
check "it keeps its schedule file beside the exe" "$([ -f unzipped/Dusklatch/system.vvc ] && echo yes)" yes
check "and nothing in the user's application data" "$([ -e "$appdata" ] && echo made || echo none)" none
end_program

echo "== the installer's pages, with Dusklatch started at the end"
wine "$setup" >/dev/null 2>&1 &
setup_pid=$!
page=0
next_page() {  # screenshot, then Next (or Install, Finish)
  page=$((page + 1))
  shot "installer-$page-$1"
  drive click '#32770' 1 >/dev/null
  sleep 1.5
}
drive wait '#32770' 20000 >/dev/null
sleep 1
check "setup's window title" "$(drive text '#32770' 0)" "Dusklatch Setup"
next_page welcome
next_page folder
next_page components
for _ in $(seq 30); do [ -f "$installed/uninstall.exe" ] && break; sleep 0.5; done
sleep 2
next_page finish
for _ in $(seq 50); do kill -0 "$setup_pid" 2>/dev/null || break; sleep 0.2; done
pid=""
for _ in $(seq 50); do drive tray 0 >/dev/null && break; sleep 0.2; done
check "the finish page started Dusklatch in the tray" "$(tray_window)" shown
check "its settings went to the user's own folder" "$([ -f "$appdata/config.ini" ] && echo yes)" yes

echo "== the uninstaller's pages, with Dusklatch running"
wine "$installed/uninstall.exe" >/dev/null 2>&1 &
check "the uninstaller asks to end the running Dusklatch" "$(drive msgbox 20000 | paste -sd'|')" \
  "Dusklatch Uninstall|warning|Dusklatch is running. It will be closed before going on."
shot installer-un-1-running
drive msgbox-press OK >/dev/null
for _ in $(seq 50); do drive tray 0 >/dev/null || break; sleep 0.2; done
check "and ends it when told so" "$(drive tray 0 >/dev/null && echo running || echo ended)" ended
drive wait '#32770' 20000 >/dev/null
sleep 1
page=0
next_page() {
  page=$((page + 1))
  shot "installer-un-$((page + 1))-$1"
  drive click '#32770' 1 >/dev/null
  sleep 1.5
}
next_page confirm
next_page components
sleep 2
next_page finish
for _ in $(seq 30); do [ -e "$installed" ] || break; sleep 0.5; done
check "the program folder went, its settings as shipped with it" "$([ -e "$installed" ] && echo left || echo gone)" gone
check "the user's own settings stayed" "$([ -f "$appdata/config.ini" ] && echo kept)" kept
rm -rf "$appdata"

echo "== a silent install over an older version keeps settings and schedules"
old=$(older_setup 0.9)
check "an installer of version 0.9 is made" "$([ -f "$old" ] && echo yes)" yes
wine "$old" /S >/dev/null 2>&1
check "version 0.9 is installed" "$(reg_value "$uninstall_key" DisplayVersion)" 0.9
exe="$program\\Dusklatch.exe"
start_in_tray
check "the installed program runs in the tray" "$(running),$(tray_window)" "running,shown"
# What the user has by now: settings and a schedule in their folder, and the files an
# older copy kept beside the exe.
printf '[Pass]\r\nPass_Enabled=1\r\nVal=kept-by-upgrade\r\n' >"$appdata/config.ini"
sqlite3 "$appdata/system.vvc" "insert into table1 values ('Restart','DAILY','07:15:AM','Daily','Restart')"
printf '[Pass]\r\nVal=older-copy\r\n' >"$installed/config.ini"
cp "$appdata/system.vvc" "$installed/system.vvc"
sums() { md5sum "$appdata/config.ini" "$appdata/system.vvc" "$installed/config.ini" "$installed/system.vvc" 2>&1; }
before=$(sums)

wine "$setup" /S >/dev/null 2>&1
check "silent setup ended the running Dusklatch" "$(running)" ended
check "the new version is installed" "$(reg_value "$uninstall_key" DisplayVersion)" "$version"
check "settings and schedules are untouched" "$(sums)" "$before"
check "every release file is in place" \
  "$(files_of "$installed" | grep -v -x -E './(installed\.txt|uninstall\.exe|system\.vvc)')" "$release_files"
check "the program is the new one" "$(cmp -s "$installed/Dusklatch.exe" "$DUSK_RELEASE/Dusklatch.exe" && echo same)" same
check "the five batch files lie beside it byte for byte (CRLF ends kept)" \
  "$(for b in kie sys system kwmp kp; do cmp -s "$installed/$b.bat" "$DUSK_RELEASE/$b.bat" && echo -n "$b "; done)" \
  "kie sys system kwmp kp "
check "the installed copy is marked for per-user data" "$([ -f "$installed/installed.txt" ] && echo yes)" yes
check "Start-menu shortcuts" "$(start_menu)" "Dusklatch.lnk,Uninstall Dusklatch.lnk"
check "Add/Remove Programs: name and publisher" \
  "$(reg_value "$uninstall_key" DisplayName)|$(reg_value "$uninstall_key" Publisher)" "Dusklatch|Dusklatch Software"
check "Add/Remove Programs: how to uninstall" \
  "$(reg_value "$uninstall_key" UninstallString)|$(reg_value "$uninstall_key" QuietUninstallString)" \
  "\"$program\\uninstall.exe\"|\"$program\\uninstall.exe\" /S"
matches "Add/Remove Programs: size in KB" "$(reg_value "$uninstall_key" EstimatedSize)" '^0x[0-9a-f]+$'
check "starts with Windows" "$(reg_value "$run_key" Dusklatch)" "\"$program\\Dusklatch.exe\""
start_in_tray
check "the upgraded program runs in the tray" "$(running),$(tray_window)" "running,shown"
drive tray 512 >/dev/null  # a mouse move over the icon: the main window stores its position
sleep 0.5
check "it stores window positions for the user" "$(reg_key 'HKCU\Software\Dusklatch')" present
# What a stopped program leaves of the file manager's menu, beside a class the user has.
menu_class='HKCU\Software\Classes\CLSID\{9A87D8EF-337F-4226-AF23-0399C02C9132}'
wine reg add "$menu_class\InprocServer32" /ve /d "$program\DusklatchMenu.dll" /f >/dev/null 2>&1
for place in '*' Directory 'Directory\Background' Drive; do
  wine reg add "HKCU\\Software\\Classes\\$place\\shellex\\ContextMenuHandlers\\Dusklatch" /ve \
    /d '{9A87D8EF-337F-4226-AF23-0399C02C9132}' /f >/dev/null 2>&1
done
wine reg add 'HKCU\Software\Classes\Drive\shellex\ContextMenuHandlers\Theirs' /ve /d mine /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Classes\Directory' /ve /d 'a class of the user' /f >/dev/null 2>&1
check "the menu's keys are there to be removed" \
  "$(reg_key "$menu_class"),$(reg_key 'HKCU\Software\Classes\*\shellex\ContextMenuHandlers\Dusklatch')" "present,present"

echo "== a silent uninstall removes the program and keeps the user's data"
uninstall /S
check "the uninstaller ended the running Dusklatch" "$(running)" ended
check "what is left of the program folder: the settings and schedules" \
  "$(files_of "$installed" | paste -sd,)" "./config.ini,./system.vvc"
check "settings and schedules are untouched" "$(sums)" "$before"
check "no Start-menu shortcuts" "$(start_menu)" ""
check "no Add/Remove Programs entry" "$(reg_key "$uninstall_key")" absent
check "no start with Windows" "$(reg_value "$run_key" Dusklatch)" ""
check "no window positions" "$(reg_key 'HKCU\Software\Dusklatch')" absent
check "no file manager's menu left behind" \
  "$(for k in "$menu_class" 'HKCU\Software\Classes\*' 'HKCU\Software\Classes\Directory\shellex' \
       'HKCU\Software\Classes\Drive\shellex\ContextMenuHandlers\Dusklatch'; do reg_key "$k"; done | paste -sd,)" \
  "absent,absent,absent,absent"
check "what others keep there stays" \
  "$(reg_value 'HKCU\Software\Classes\Drive\shellex\ContextMenuHandlers\Theirs' '(Default)')|$(reg_value 'HKCU\Software\Classes\Directory' '(Default)')" \
  "mine|a class of the user"

echo "== a DLL held open: replaced and removed at the next restart"
held=$(older_setup 0.9.1 "$DUSK_BUILD/wintest/installer_test.dll")
wine "$held" /S /NOAUTOSTART >/dev/null 2>&1
check "the DLL is installed" "$([ -f "$installed/installer_test.dll" ] && echo yes)" yes
check "/NOAUTOSTART leaves out starting with Windows" "$(reg_value "$run_key" Dusklatch)" ""
(cd "$installed" && exec wine rundll32 installer_test.dll,Hold 25000 >/dev/null 2>&1) &
holder=$!
sleep 2
wine "$held" /S >/dev/null 2>&1
matches "setup replaces the held DLL at the next restart" \
  "$(reg_value "$pending_key" PendingFileRenameOperations)" 'installer_test\.dll\.new\\0!.*\\Dusklatch\\installer_test\.dll($|\\0)'
uninstall /S /REMOVEDATA
matches "the uninstaller removes the held DLL at the next restart" \
  "$(reg_value "$pending_key" PendingFileRenameOperations)" 'Dusklatch\\installer_test\.dll\\0\\0'
check "and everything else now, the settings and schedules too (/REMOVEDATA)" \
  "$(files_of "$installed" | grep -v installer_test.dll | paste -sd,)|$([ -e "$appdata" ] && echo kept || echo gone)" "|gone"
wait_ended "$holder" 30
wineboot -r >/dev/null 2>&1
check "after the restart the program folder is gone" "$([ -e "$installed" ] && echo left || echo gone)" gone

summary
