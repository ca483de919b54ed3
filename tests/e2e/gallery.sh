#!/usr/bin/env bash
# Opens the widget gallery, checks that its window and its sections' controls are there,
# and keeps screenshots of the top and of the block progress bar section.
set -uo pipefail
drive() { wine "$DUSK_BUILD/wintest/dusk_drive.exe" "$@" 2>/dev/null | tr -d '\r'; }
ok=0 bad=0
check() { if [ "$2" = "$3" ]; then echo "[       OK ] $1"; ok=$((ok + 1)); else echo "[  FAILED  ] $1: got '$2', want '$3'"; bad=$((bad + 1)); fi; }
mkdir -p "$DUSK_SHOTS"
cd "$DUSK_BUILD/wintest" || exit 1

shot() {  # order of the first section to show, picture name
  wine ./gallery.exe "$1" &
  local pid=$!
  drive wait DuskGallery 20000; check "gallery window appears ($2)" "$?" 0
  sleep 1
  import -window root "$DUSK_SHOTS/$2.png" 2>/dev/null
  check "screenshot saved ($2)" "$([ -s "$DUSK_SHOTS/$2.png" ] && echo yes)" "yes"
  check "progress bars present ($2)" "$(drive enabled DuskGallery 3000)" "1"
  check "candy buttons present ($2)" "$(drive enabled DuskGallery 1000)" "1"
  drive post DuskGallery 0x10 0 0   # WM_CLOSE
  drive wait-gone DuskGallery 10000; check "gallery closes ($2)" "$?" 0
  wait "$pid" 2>/dev/null
}

shot 0 gallery
shot 30 gallery-progress
echo "[  PASSED  ] $ok tests."
[ "$bad" = 0 ] || echo "[  FAILED  ] $bad tests."
[ "$bad" = 0 ]
