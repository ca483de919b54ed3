#!/usr/bin/env bash
# The five batch files of the release folder, run by Wine's cmd in this script's own
# prefix against browser, player and Paint data the script made: kie.bat, kwmp.bat and
# kp.bat end stand-ins named iexplore.exe, wmplayer.exe and mspaint.exe (Paint only
# asked to close), sys.bat deletes the history (the Windows XP and the later layouts)
# and the typed addresses, system.bat the cookies (all three layouts); everything else
# in the profile, the registry and a folder linked from inside keeps its bytes. Each
# runs quietly to its end, shows no window and asks nothing. The branches for Windows
# XP Home Edition (tskill) and 2000 (neither tool) and the per-user taskkill of XP
# Professional and later, which Wine's own tools cannot take, are run against
# recording stand-ins of those tools. The files ship with CRLF ends and no drive letter.
set -uo pipefail
source "$(dirname "$0")/lib/common.sh"
root=$(cd "$e2e_lib/../../.." && pwd)

batches=(kie sys system kwmp kp)
echo "== the shipped files"
for b in "${batches[@]}"; do
  f=$DUSK_RELEASE/$b.bat
  check "$b.bat is in the release folder as in the sources" \
    "$(cmp -s "$f" "$root/resources/files/$b.bat" && echo same)" same
  check "$b.bat: every line ends in CRLF" \
    "$(tr -d '\r' <"$f" | wc -l)|$(grep -c $'\r$' "$f")|$(tail -c 2 "$f" | od -An -c | tr -d ' ')" \
    "$(wc -l <"$f")|$(wc -l <"$f")|\r\n"
  check "$b.bat names no drive" "$(grep -c -E '[A-Za-z]:\\' "$f")" 0
done

work=$DUSK_BUILD/e2e/batch_files
rm -rf "$work"; mkdir -p "$work/bin"
cd "$work" || exit 1
cp "$DUSK_RELEASE"/*.bat "$work/"

# Stand-ins: a program with a (hidden) window that a polite close ends and that
# notes it was asked; a tool that writes down how it was called and answers "/?"
# as taskkill of XP Professional and later does.
cat >standin.c <<'C'
#include <windows.h>
#include <stdio.h>
static char closed[MAX_PATH];
static LRESULT CALLBACK proc(HWND h, UINT m, WPARAM w, LPARAM l) {
  if (m == WM_CLOSE) { FILE* f = fopen(closed, "w"); if (f) fclose(f); DestroyWindow(h); return 0; }
  if (m == WM_DESTROY || m == WM_TIMER) { PostQuitMessage(0); return 0; }
  return DefWindowProcA(h, m, w, l);
}
int WINAPI WinMain(HINSTANCE i, HINSTANCE p, LPSTR c, int s) {
  WNDCLASSA wc = {0}; MSG msg; HWND h;
  GetModuleFileNameA(NULL, closed, MAX_PATH - 8); strcat(closed, ".closed");
  wc.lpfnWndProc = proc; wc.hInstance = i; wc.lpszClassName = "standin";
  RegisterClassA(&wc);
  h = CreateWindowA("standin", "standin", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, 0, 0, i, 0);
  SetTimer(h, 1, 300000, 0);
  while (GetMessageA(&msg, 0, 0, 0) > 0) DispatchMessageA(&msg);
  return 0;
}
C
cat >recorder.c <<'C'
#include <windows.h>
#include <stdio.h>
#include <string.h>
int main(void) {
  char log[MAX_PATH]; const char* line = GetCommandLineA(); FILE* f;
  GetModuleFileNameA(NULL, log, MAX_PATH - 8); strcat(log, ".log");
  if (strstr(line, "/?")) { printf("Filters:\n    USERNAME      eq, ne\n"); return 0; }
  if ((f = fopen(log, "a"))) { fprintf(f, "%s\n", line); fclose(f); }
  return 0;
}
C
cc=$(command -v i686-w64-mingw32-gcc-win32 || command -v i686-w64-mingw32-gcc)
must "the stand-ins are built" \
  "$("$cc" -O1 -s -mwindows -o bin/standin.exe standin.c && "$cc" -O1 -s -o bin/recorder.exe recorder.c && echo yes)" yes
for n in iexplore wmplayer mspaint editor; do cp bin/standin.exe "bin/$n.exe"; done

win() { winepath -w "$1" 2>/dev/null; }
unix() { winepath -u "$(wine cmd /c echo "$1" 2>/dev/null | tr -d '\r')" 2>/dev/null; }
profile=$(realpath -m "$(unix '%USERPROFILE%')") appdata=$(realpath -m "$(unix '%APPDATA%')")
local=$(realpath -m "$(unix '%LOCALAPPDATA%')") users=$(realpath -m "$WINEPREFIX/drive_c/users")
must "the prefix has a user profile" "$([ -d "$profile" ] && [ -d "$appdata" ] && [ -d "$local" ] && echo yes)" yes
reg_value() { wine reg query "$1" /v "$2" 2>/dev/null | tr -d '\r' | sed -n "s/^ *$2 \+REG_[A-Z_]\+ \+//p"; }
running() { kill -0 "$1" 2>/dev/null && echo running || echo ended; }

# Runs a batch file as the program does, through cmd /c, with an input that never
# answers: a question would make it wait until the timeout. It must print nothing.
visible_windows() {
  xdotool search --onlyvisible --name . 2>/dev/null | while read -r w; do
    echo "$w \"$(xdotool getwindowname "$w" 2>/dev/null)\""
  done | sort | paste -sd,
}
windows_before=$(visible_windows)
seen=$work/windows-seen.txt
run_batch() {  # name (in $work), description
  local out code started=$SECONDS
  : >"$seen"
  ( while :; do visible_windows >>"$seen"; sleep 0.2; done ) &
  local watcher=$!
  local input feeder
  exec {input}< <(sleep 61)
  feeder=$!
  timeout 60 wine cmd /c "$(win "$work/$1")" <&"$input" >"$work/output.txt" 2>&1
  code=$?
  exec {input}<&-
  kill "$feeder" 2>/dev/null
  # Wine's loader reports a call into a part of Wine that is missing (the browser's
  # own history clearing) on the terminal, past the batch file's redirections.
  out=$(tr -d '\r' <"$work/output.txt" | grep -v '^wine: ')
  kill "$watcher" 2>/dev/null; wait "$watcher" 2>/dev/null
  check "$2: ends by itself, asking nothing ($((SECONDS - started)) s)" "$code" 0
  check "$2: prints nothing" "$out" ""
  check "$2: shows no window" "$(sort -u "$seen" | grep -v -x -F "$windows_before" | paste -sd' ')" ""
}

echo "== kie.bat, kwmp.bat and kp.bat against stand-ins of the programs"
declare -A standin=()
for n in iexplore wmplayer mspaint editor; do
  wine "bin/$n.exe" >/dev/null 2>&1 &
  standin[$n]=$!
done
sleep 2
must "the stand-ins run" "$(running "${standin[iexplore]}") $(running "${standin[wmplayer]}") $(running "${standin[mspaint]}")" \
  "running running running"
run_batch kie.bat kie.bat
until_true 10 ended "${standin[iexplore]}"
check "kie.bat ended iexplore.exe, and only it" \
  "$(running "${standin[iexplore]}") $(running "${standin[wmplayer]}") $(running "${standin[mspaint]}") $(running "${standin[editor]}")" \
  "ended running running running"
run_batch kwmp.bat kwmp.bat
until_true 10 ended "${standin[wmplayer]}"
check "kwmp.bat ended wmplayer.exe, and only it" \
  "$(running "${standin[wmplayer]}") $(running "${standin[mspaint]}") $(running "${standin[editor]}")" "ended running running"
check "the browser and the player were ended, not asked" \
  "$(ls bin/iexplore.exe.closed bin/wmplayer.exe.closed 2>/dev/null)" ""
run_batch kp.bat kp.bat
until_true 10 ended "${standin[mspaint]}"
check "kp.bat asked mspaint.exe to close, and it did" \
  "$(running "${standin[mspaint]}") $([ -f bin/mspaint.exe.closed ] && echo asked)" "ended asked"
check "the other program runs on" "$(running "${standin[editor]}")" running
kill "${standin[editor]}" 2>/dev/null

# The tools as other Windows versions have them: a system folder of the script's own
# in place of the real one, given to the batch file by a caller that sets SystemRoot.
echo "== the same on Windows XP Professional, XP Home Edition and 2000"
fake_windows() {  # folder, tools (copies of the recorder)...
  local folder=$work/$1; shift
  mkdir -p "$folder/system32"
  for tool in "$@"; do cp bin/recorder.exe "$folder/system32/$tool.exe"; done
  cp "$WINEPREFIX/drive_c/windows/system32/find.exe" "$folder/system32/find.exe"
}
fake_windows xppro taskkill
fake_windows xphome tskill
fake_windows w2000
calls() { tr -d '\r' <"$work/$1/system32/$2.exe.log" 2>/dev/null | sed 's/^[^ ]* *//; s/ *$//' | paste -sd'|'; }
for b in kie kwmp kp; do
  for system in xppro xphome w2000; do
    printf '@echo off\r\nset "SystemRoot=%%~dp0%s"\r\ncall "%%~dp0%s.bat"\r\n' "$system" "$b" >"$work/$system-$b.bat"
    run_batch "$system-$b.bat" "$b.bat on $system"
  done
done
check "XP Professional: kie.bat ends this user's browser by force" "$(calls xppro taskkill | cut -d'|' -f1)" \
  '/f /fi "USERNAME eq '"$(basename "$profile")"'" /im iexplore.exe'
check "XP Professional: kwmp.bat ends this user's player by force" "$(calls xppro taskkill | cut -d'|' -f2)" \
  '/f /fi "USERNAME eq '"$(basename "$profile")"'" /im wmplayer.exe'
check "XP Professional: kp.bat asks this user's Paint to close" "$(calls xppro taskkill | cut -d'|' -f3-)" \
  '/fi "USERNAME eq '"$(basename "$profile")"'" /im mspaint.exe'
check "XP Home Edition: tskill ends the browser and the player in this session; Paint is never ended" \
  "$(calls xphome tskill)" "iexplore|wmplayer"
check "Windows 2000: nothing is run" "$(ls "$work/w2000/system32")" find.exe

# The user's data: what the two batch files must delete, and what sits next to it.
echo "== sys.bat and system.bat against this user's browser data"
outside=$work/outside
make() { mkdir -p "$(dirname "$1")"; printf '%s' "${2:-$1}" >"$1"; }
history_xp=$profile/Local\ Settings/History history=$local/Microsoft/Windows/History
moved=$profile/Local\ Settings/Verlauf
cookies_xp=$profile/Cookies cookies=$appdata/Microsoft/Windows/Cookies inet=$local/Microsoft/Windows/INetCookies
doomed=(
  "$history_xp/History.IE5/index.dat" "$history_xp/History.IE5/MSHist012024010120240108/index.dat"
  "$history/History.IE5/index.dat" "$history/History.IE5/MSHist012024061020240617/index.dat"
  "$history/Low/History.IE5/index.dat" "$moved/History.IE5/index.dat"
  "$cookies_xp/index.dat" "$cookies_xp/user@example[1].txt" "$cookies_xp/user@hidden[2].txt"
  "$cookies/index.dat" "$cookies/user@site[1].txt" "$cookies/Low/user@low[1].txt"
  "$inet/8XQ2ZB1P.cookie" "$inet/Low/K4M5N6O7.cookie" "$inet/ESE/container.dat"
)
kept=(
  "$history_xp/desktop.ini" "$history_xp/History.IE5/desktop.ini" "$history/desktop.ini"
  "$history/History.IE5/desktop.ini" "$cookies_xp/desktop.ini" "$inet/desktop.ini"
  "$profile/notes.txt" "$profile/Documents/report.txt" "$profile/Documents/cookies.txt"
  "$profile/Local Settings/History2/keep.txt" "$local/Microsoft/Windows/History.old/keep.txt"
  "$local/Microsoft/Windows/INetCache/IE/page[1].htm" "$profile/Cookies-backup/user@old[1].txt"
  "$appdata/Microsoft/Windows/Recent/report.lnk" "$outside/kept.txt" "$outside/deeper/kept.txt"
)
for f in "${doomed[@]}" "${kept[@]}"; do make "$f"; done
wine attrib +h +r "$(win "$cookies_xp/user@hidden[2].txt")" >/dev/null 2>&1
ln -s "$outside" "$inet/linked"
shell_folders='HKCU\Software\Microsoft\Windows\CurrentVersion\Explorer\Shell Folders'
# A history folder moved and named in another language, found through the shell
# folders; a cookie folder the shell folders name wrongly, which is not touched.
wine reg add "$shell_folders" /v History /d "$(win "$moved")" /f >/dev/null 2>&1
wine reg add "$shell_folders" /v Cookies /d "$(win "$profile/Documents")" /f >/dev/null 2>&1
typed='HKCU\Software\Microsoft\Internet Explorer\TypedURLs'
for v in url1=http://example.org/ url2=http://example.net/a; do
  wine reg add "$typed" /v "${v%%=*}" /d "${v#*=}" /f >/dev/null 2>&1
done
wine reg add "${typed}Time" /v url1 /t REG_BINARY /d 0011223344556677 /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Microsoft\Internet Explorer\Main' /v "Start Page" /d http://start.example/ /f >/dev/null 2>&1
wine reg add 'HKCU\Software\Dusklatch test\TypedURLs' /v url1 /d http://other.example/ /f >/dev/null 2>&1
# Wine's cmd leaves a temporary file behind now and then (CMDxxxx.tmp); Windows' cmd
# makes none.
snapshot() { (cd "$users" && find . -type f -exec sha256sum {} + | grep -v -E '  \./[^/]+/Temp/CMD[0-9a-fA-F]+\.tmp$' | LC_ALL=C sort); }
# The snapshot without the files of the list (a line is "<64 hex digits>  ./<path>").
without() { awk 'NR == FNR { drop["./" substr($0, length(users) + 2)] = 1; next } !(substr($0, 67) in drop)' \
  users="$users" <(printf '%s\n' "$@") <(echo "$before"); }
before=$(snapshot)
outside_before=$(cd "$outside" && find . -type f -exec sha256sum {} + | sort)

run_batch sys.bat sys.bat
gone() { local f n=0; for f in "$@"; do [ -e "$f" ] || n=$((n + 1)); done; echo "$n of $#"; }
check "sys.bat deleted the history of both layouts and of the moved folder" "$(gone "${doomed[@]:0:6}")" "6 of 6"
check "sys.bat left the cookies for system.bat" "$(gone "${doomed[@]:6}")" "0 of 9"
check "the emptied day and week folders went, the history folders stayed" \
  "$([ -e "$history_xp/History.IE5/MSHist012024010120240108" ] || [ -e "$history/History.IE5/MSHist012024061020240617" ] || echo gone) $([ -d "$history/Low/History.IE5" ] && [ -d "$moved/History.IE5" ] && echo stayed)" \
  "gone stayed"
check "the typed addresses are gone, their keys stay" \
  "$(reg_value "$typed" url1)$(reg_value "$typed" url2)|$(reg_value "${typed}Time" url1)|$(wine reg query "$typed" >/dev/null 2>&1 && echo key)" \
  "||key"
check "the other registry values stay" \
  "$(reg_value 'HKCU\Software\Microsoft\Internet Explorer\Main' 'Start Page')|$(reg_value 'HKCU\Software\Dusklatch test\TypedURLs' url1)" \
  "http://start.example/|http://other.example/"

run_batch system.bat system.bat
check "system.bat deleted the cookies of all three layouts, hidden and read-only ones too" \
  "$(gone "${doomed[@]:6}")" "9 of 9"
check "the cookie folders and their Low folders stay" \
  "$([ -d "$cookies/Low" ] && [ -d "$inet/Low" ] && [ -d "$cookies_xp" ] && echo stayed)" stayed
check "nothing else under the users' folders changed" "$(diff <(without "${doomed[@]}") <(snapshot) | head -5)" ""
check "the folder linked from the cookies keeps its files" \
  "$(cd "$outside" && find . -type f -exec sha256sum {} + | sort)" "$outside_before"
check "the link itself stays" "$(readlink "$inet/linked")" "$outside"

echo "== a second run finds nothing to do and is as quiet"
run_batch sys.bat "sys.bat again"
run_batch system.bat "system.bat again"

stop_program
rm -rf "$work"
summary
