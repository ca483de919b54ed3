# What every end-to-end script shares: the driver, gtest-style checks and their
# summary, screenshots, and a program folder of its own. Sourced, not run.
# The test runner passes DUSK_BUILD, DUSK_RELEASE, DUSK_SHOTS and DUSK_RECORDING.

e2e_lib=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)  # the other libraries, from any folder

drive() { wine "$DUSK_BUILD/wintest/dusk_drive.exe" "$@" 2>/dev/null | tr -d '\r'; }

ok=0 bad=0
check() {  # name, got, want
  if [ "$2" = "$3" ]; then
    echo "[       OK ] $1"; ok=$((ok + 1))
  else
    echo "[  FAILED  ] $1: got '$2', want '$3'"; bad=$((bad + 1))
  fi
}
matches() {  # name, got, regular expression
  if [[ "$2" =~ $3 ]]; then
    echo "[       OK ] $1"; ok=$((ok + 1))
  else
    echo "[  FAILED  ] $1: got '$2'"; bad=$((bad + 1))
  fi
}
# The counts the runner reads; the script's exit status.
summary() {
  echo "[  PASSED  ] $ok tests."
  [ "$bad" = 0 ] || echo "[  FAILED  ] $bad tests."
  [ "$bad" = 0 ]
}

shot() { mkdir -p "$DUSK_SHOTS"; import -window root "$DUSK_SHOTS/$1.png" 2>/dev/null; }

# A fresh program folder under build/e2e/<name> holding the release files and the
# recording build of the program (power requests written to power-requests.log,
# never made); makes it the current folder and sets `exe` to the program to start.
# Without the recording build the script is skipped.
program_folder() {
  local program=${DUSK_RECORDING:-}
  if [ -z "$program" ] || [ ! -f "$program" ]; then
    echo "skipped: the recording build of the program is not there"
    echo "[  PASSED  ] 0 tests."
    exit 0
  fi
  local work=$DUSK_BUILD/e2e/$1
  rm -rf "$work"; mkdir -p "$work" "$DUSK_SHOTS"
  cp -r "$DUSK_RELEASE"/. "$work/"
  cp "$program" "$work/"
  cd "$work" || exit 1
  exe=./$(basename "$program")
}
