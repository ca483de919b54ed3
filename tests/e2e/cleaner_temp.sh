#!/usr/bin/env bash
# Empties a temporary folder the way the program does, in the Windows build under
# Wine (through dusk_shred.exe, which runs the program's own routines): nested folders,
# read-only and hidden files, a hard link and a symbolic link to folders and files
# outside, names in Greek and Chinese. Every file inside is overwritten eleven times
# with a flush per pass and then gone, the sub-folders go, the folder itself stays,
# and everything outside keeps its bytes.
set -uo pipefail
source "$(dirname "$0")/lib/common.sh"

tool=$DUSK_BUILD/win/dusk_shred.exe
if [ ! -f "$tool" ]; then
  echo "skipped: build/win/dusk_shred.exe is not there"
  echo "[  PASSED  ] 0 tests."
  exit 0
fi
work=$DUSK_BUILD/e2e/cleaner_temp
rm -rf "$work"
temp=$work/Temp outside=$work/Outside
mkdir -p "$temp/one/two/three" "$outside/folder/deeper"

fill() { head -c "$2" /dev/zero | tr '\0' "${3:-x}" >"$1"; }
region() {  # bytes every pass covers: whole 8 KiB blocks rounded half to even, plus one
  local len=$1 whole=$(($1 / 8192)) rest=$(($1 % 8192)) blocks
  blocks=$whole
  if [ "$rest" -gt 4096 ] || { [ "$rest" = 4096 ] && [ $((whole % 2)) = 1 ]; }; then blocks=$((whole + 1)); fi
  echo $(((blocks + 1) * 8192))
}

declare -A length=(
  ["$temp/empty.tmp"]=0 ["$temp/small.tmp"]=100 ["$temp/one/half.tmp"]=4096
  ["$temp/one/block.tmp"]=8192 ["$temp/one/two/rounded.tmp"]=12288 ["$temp/one/two/three/even.tmp"]=20480
  ["$temp/one/two/three/larger.tmp"]=70000 ["$temp/.hidden"]=300
  ["$temp/one/αρχείο.txt"]=5000 ["$temp/one/two/文件.txt"]=9000
)
for f in "${!length[@]}"; do fill "$f" "${length[$f]}"; done
fill "$temp/one/locked.tmp" 2000; length["$temp/one/locked.tmp"]=2000
wine attrib +r +h "$(winepath -w "$temp/one/locked.tmp")" >/dev/null 2>&1
chmod a-w "$temp/one/locked.tmp"

fill "$outside/shared.txt" 700 s
fill "$outside/folder/precious.txt" 5000 p
fill "$outside/folder/deeper/more.txt" 10 m
ln "$outside/shared.txt" "$temp/one/shared-link.txt"
ln -s "$outside/folder" "$temp/one/two/folder-link"
ln -s "$outside/folder" "$temp/folder-link"
before=$(cd "$outside" && find . -type f -exec sha256sum {} + | sort)

trace=$work/trace.txt
out=$(wine "$tool" --trace "$(winepath -w "$trace")" killtemp "$(winepath -w "$temp")" 2>&1 | tr -d '\r')
matches "the tool ran" "$out" "elapsed_ms="

# The trace names files the Windows way: Z:\...\Temp\one\half.tmp.
win_temp=$(winepath -w "$temp")
line_of() { grep -F "$(winepath -w "$1")$(printf '\t')" "$trace"; }
for f in "${!length[@]}"; do
  r=$(region "${length[$f]}")
  passes=$(printf "$r,%.0s" $(seq 11)); passes=${passes%,}
  check "${f#"$temp"/}: eleven flushed passes over $r bytes, then gone" \
    "$(line_of "$f" | cut -f2-)" "11	$passes	removed"
  check "${f#"$temp"/} is gone" "$([ -e "$f" ] && echo there || echo gone)" gone
done
check "the hard link is not written, only its name goes" "$(line_of "$temp/one/shared-link.txt" | cut -f2-)" \
  "0	-	removed"
# Windows removes a link to a folder as a link (RemoveDirectoryW); Wine 8 cannot
# remove a Unix link to a folder through any Win32 call (it answers "not empty"), so
# here the two links stay, unfollowed, with the folders that hold them.
check "the links to the folder outside are never followed" \
  "$(readlink "$temp/folder-link") $(readlink "$temp/one/two/folder-link")" "$outside/folder $outside/folder"
check "nothing outside the temporary folder was written" "$(grep -cv -F "$win_temp\\" "$trace")" 0
check "the temporary folder stays" "$([ -d "$temp" ] && echo yes)" yes
check "every other sub-folder is gone" "$(cd "$temp" && find . -mindepth 1 | sort | tr '\n' ' ')" \
  "./folder-link ./one ./one/two ./one/two/folder-link "
check "everything outside keeps its bytes" "$(cd "$outside" && find . -type f -exec sha256sum {} + | sort)" "$before"
check "the hard link's other name is still there" "$(stat -c %h "$outside/shared.txt")" 1

rm -rf "$work"
summary
