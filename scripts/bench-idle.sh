#!/usr/bin/env bash
# Measures the CPU time Dusklatch spends idling in the tray under Wine against a
# bare message loop with one 100 ms timer (tools/bench/idle_reference.cpp).
# Counts the program's own process and the wineserver, over the same window of time.
# Usage: scripts/bench-idle.sh [seconds]   (default 30)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
seconds=${1:-30}
bash scripts/build.sh win >/dev/null

# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
wine_env_session "$root/build/bench-wine"

ticks() {  # utime + stime of a PID, in clock ticks
  awk '{print $14 + $15}' "/proc/$1/stat" 2>/dev/null || echo 0
}
# Other Wine sessions may run at the same time: take the processes of our prefix only.
in_prefix() { tr '\0' '\n' <"/proc/$1/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; }
newest_in_prefix() {  # pgrep pattern -> newest matching PID that runs in our prefix
  local pid
  for pid in $(pgrep -f "$1" | sort -rn); do
    if in_prefix "$pid"; then echo "$pid"; return; fi
  done
}
server_pid() { newest_in_prefix wineserver; }

measure() {  # exe folder, exe name -> CPU ticks used by program + wineserver during $seconds
  local folder=$1 exe=$2 pid spid p0 s0 p1 s1
  (cd "$folder" && exec wine "./$exe") >/dev/null 2>&1 &
  sleep 8  # start-up (splash, initialisation) is not idle time
  pid=$(newest_in_prefix "$exe")
  spid=$(server_pid)
  p0=$(ticks "$pid"); s0=$(ticks "$spid")
  sleep "$seconds"
  p1=$(ticks "$pid"); s1=$(ticks "$spid")
  wineserver -k >/dev/null 2>&1 || true
  sleep 1
  wineserver -p 30 >/dev/null 2>&1 || true
  echo $(( (p1 - p0) + (s1 - s0) ))
}

work=$WINE_ENV_ROOT/program
rm -rf "$work"; mkdir -p "$work"
cp -r build/win/release/Dusklatch/. "$work/"
cp build/win/idle_reference.exe "$work/"

ref=$(measure "$work" idle_reference.exe)
app=$(measure "$work" Dusklatch.exe)
# A stored schedule must not cost a ticking timer: measure with one row too.
with_row=""
if command -v sqlite3 >/dev/null; then
  rm -f "$work/system.vvc"
  sqlite3 "$work/system.vvc" "create table table1 (Action text, Date text, Time text, Type text, Icon text);
    insert into table1 values ('Shutdown', 'Sunday', '03:00:AM', 'Day Basis', 'Shutdown');"
  with_row=$(measure "$work" Dusklatch.exe)
fi
hz=$(getconf CLK_TCK)
ratio() { awk -v a="$1" -v r="$ref" 'BEGIN { printf "%.2f", a / r }'; }
echo "idle CPU over ${seconds} s (program + wineserver):"
echo "  reference (100 ms timer):     $ref ticks ($(( ref * 1000 / hz )) ms)"
echo "  Dusklatch, no schedule:       $app ticks ($(( app * 1000 / hz )) ms)"
[ -z "$with_row" ] || echo "  Dusklatch, one schedule:      $with_row ticks ($(( with_row * 1000 / hz )) ms)"
if [ "$ref" -gt 0 ]; then
  echo "  ratio: $(ratio "$app")${with_row:+, with a schedule $(ratio "$with_row")} (goal: 1.2 or less)"
fi
