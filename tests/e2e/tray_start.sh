#!/usr/bin/env bash
# Starts the release program in a fresh program folder and checks that it comes up
# as a tray icon and nothing else, then ends it.
set -uo pipefail
work=$DUSK_BUILD/e2e/tray_start
rm -rf "$work"; mkdir -p "$work" "$DUSK_SHOTS"
cp -r "$DUSK_RELEASE"/. "$work/"
cd "$work"
wine ./Dusklatch.exe &
pid=$!
ok=0 bad=0
check() { if eval "$2"; then echo "[       OK ] $1"; ok=$((ok + 1)); else echo "[  FAILED  ] $1"; bad=$((bad + 1)); fi; }

tray=""
for _ in $(seq 100); do
  tray=$(xdotool search --name 'Wine System Tray' 2>/dev/null | head -1)
  [ -n "$tray" ] && break
  sleep 0.1
done
check "tray icon appears" '[ -n "$tray" ]'
check "program still running" 'kill -0 $pid 2>/dev/null'
import -window root "$DUSK_SHOTS/tray_start.png" 2>/dev/null
kill "$pid" 2>/dev/null; wineserver -k 2>/dev/null; wait "$pid" 2>/dev/null
echo "[  PASSED  ] $ok tests."
[ "$bad" = 0 ] || echo "[  FAILED  ] $bad tests."
[ "$bad" = 0 ]
