#!/usr/bin/env bash
# Starts the release program in a fresh program folder and checks that it comes up
# as a tray icon and nothing else, then ends it.
set -uo pipefail
source "$(dirname "$0")/lib/common.sh"
work=$DUSK_BUILD/e2e/tray_start
rm -rf "$work"; mkdir -p "$work"
cp -r "$DUSK_RELEASE"/. "$work/"
cd "$work"
wine ./Dusklatch.exe &
pid=$!

tray=""
for _ in $(seq 100); do
  tray=$(xdotool search --name 'Wine System Tray' 2>/dev/null | head -1)
  [ -n "$tray" ] && break
  sleep 0.1
done
check "tray icon appears" "$([ -n "$tray" ] && echo yes)" yes
check "program still running" "$(kill -0 $pid 2>/dev/null && echo yes)" yes
shot tray_start
stop_program
summary
