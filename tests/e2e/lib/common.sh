# What every end-to-end script shares: the guard that keeps it inside the test's own
# Wine prefix and display, the driver, gtest-style checks and their summary,
# screenshots, bounded waits, and a program folder of its own. Sourced, not run.
# The test runner passes DUSK_BUILD, DUSK_RELEASE, DUSK_SHOTS and DUSK_RECORDING.

e2e_lib=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)  # the other libraries, from any folder

# The scripts click, type, end Wine sessions (wineserver -k) and will delete files:
# they run only in a prefix and a home under this tree's build folder, on the virtual
# display the test runner started (it exports DUSK_TEST_DISPLAY="<display> <Xvfb pid>").
e2e_refuse() {
  echo "refusing to run: $1" >&2
  echo "(run the end-to-end scripts through scripts/test.sh, which makes their prefix and display)" >&2
  echo "[  FAILED  ] the script refused to run: $1"
  exit 3
}
e2e_guard() {
  local build under display xvfb
  build=$(realpath -m "$e2e_lib/../../../build")
  under() { case "$(realpath -m "$1")/" in "$build"/?*) return 0 ;; *) return 1 ;; esac; }
  [ "$(realpath -m "${DUSK_BUILD:-/nowhere}")" = "$build" ] || e2e_refuse "DUSK_BUILD is not $build"
  under "${WINEPREFIX:-/}" || e2e_refuse "WINEPREFIX ('${WINEPREFIX:-}') does not lie under $build"
  under "${HOME:-/}" || e2e_refuse "HOME ('${HOME:-}') does not lie under $build: Wine's recycle bin is its trash"
  read -r display xvfb <<<"${DUSK_TEST_DISPLAY:-}"
  [ -n "${display:-}" ] && [ "${DISPLAY:-}" = "$display" ] ||
    e2e_refuse "DISPLAY ('${DISPLAY:-}') is not the test's own virtual display"
  [ "$(cat "/proc/${xvfb:-0}/comm" 2>/dev/null)" = Xvfb ] ||
    e2e_refuse "the virtual display $display has no Xvfb of the test runner behind it"
}
e2e_guard

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
# The counts the runner reads; the script's exit status. A script that checked
# nothing fails: it did not test what it claims to.
summary() {
  if [ $((ok + bad)) = 0 ]; then
    echo "[  FAILED  ] no check ran"; bad=1
  fi
  echo "[  PASSED  ] $ok tests."
  [ "$bad" = 0 ] || echo "[  FAILED  ] $bad tests."
  [ "$bad" = 0 ]
}
# A check that the rest of the script depends on: on failure the script ends here.
must() {  # name, got, want
  check "$@"
  [ "$2" = "$3" ] && return 0
  stop_program
  summary
  exit 1
}

# A screenshot of the whole display; an old picture of the same name never survives
# a failed one.
shot() {
  mkdir -p "$DUSK_SHOTS"
  rm -f "$DUSK_SHOTS/$1.png"
  import -window root "$DUSK_SHOTS/$1.png" 2>/dev/null
}

# Pixels that differ inside the box $1 (WxH+X+Y) between screenshots $2 and $3.
differ() { compare -metric AE -crop "$1" "$DUSK_SHOTS/$2.png" "$DUSK_SHOTS/$3.png" null: 2>&1 | cut -d' ' -f1; }
# Takes screenshot $2 again, for at most five seconds, until the box $1 in it
# compares with screenshot $3 as $4 asks: "differs" (over 100 pixels) or "same".
# A look that follows a timer (hover, leave) is waited for, not slept for. Given a
# point ($5 $6), the pointer is moved there first and nudged by a pixel before each
# new look, as a resting hand does, so that no move is lost to the moment it came.
shot_until() {  # box, name, reference, differs|same[, x, y]
  local n tries=25
  while :; do
    [ $# -ge 6 ] && xdotool mousemove "$(($5 + tries % 2))" "$6" 2>/dev/null
    shot "$2"; n=$(differ "$1" "$2" "$3")
    case $4 in
      differs) [ "${n:-0}" -gt 100 ] 2>/dev/null && return 0 ;;
      same) [ "$n" = 0 ] && return 0 ;;
    esac
    tries=$((tries - 1)); [ "$tries" -gt 0 ] || return 1
    sleep 0.2
  done
}
# Takes screenshot $2 until the box $1 looks the same in two of them in a row.
shot_settled() {  # box, name
  local tries=10
  shot "$2"
  while [ "$tries" -gt 0 ]; do
    sleep 0.2
    shot "$2.next"
    [ "$(differ "$1" "$2" "$2.next")" = 0 ] && { rm -f "$DUSK_SHOTS/$2.next.png"; return 0; }
    mv "$DUSK_SHOTS/$2.next.png" "$DUSK_SHOTS/$2.png" 2>/dev/null
    tries=$((tries - 1))
  done
  return 1
}

# Polls a command until it succeeds, at most $1 * 10 times, 0.1 s apart: $1 seconds
# when the command is quick, longer when each try takes time (see within).
until_true() {  # seconds, command...
  local tries=$(($1 * 10)); shift
  while ! "$@"; do
    tries=$((tries - 1))
    [ "$tries" -gt 0 ] || return 1
    sleep 0.1
  done
}

# Polls a command until it succeeds, for at most $1 milliseconds by the clock however
# long the command takes: for what must happen at once, not merely in the end.
within() {  # milliseconds, command...
  local until=$(( $(date +%s%3N) + $1 )); shift
  until "$@"; do
    [ "$(date +%s%3N)" -lt "$until" ] || return 1
    sleep 0.05
  done
}

# Waits at most $2 seconds for the process $1 to end and sets `code` to its exit
# status; a process still running then is reported, killed, and gives code 124.
ended() { ! kill -0 "$1" 2>/dev/null; }
wait_ended() {  # pid, seconds
  if until_true "$2" ended "$1"; then
    wait "$1"; code=$?
  else
    echo "the program (pid $1) did not end within $2 s"
    kill "$1" 2>/dev/null; wait "$1" 2>/dev/null
    code=124
  fi
}

# Ends whatever the script started in its prefix.
stop_program() {
  [ -n "${pid:-}" ] && kill "$pid" 2>/dev/null
  wineserver -k 2>/dev/null
  [ -n "${pid:-}" ] && wait_ended "$pid" 10 >/dev/null
  return 0
}

# A fresh program folder under build/e2e/<name> holding the release files and the
# recording build of the program (power requests written to power-requests.log,
# never made); makes it the current folder and sets `exe` to the program to start.
# Without the recording build the script fails: it never runs the real program.
program_folder() {
  local program=${DUSK_RECORDING:-}
  if [ -z "$program" ] || [ ! -f "$program" ]; then
    echo "[  FAILED  ] the recording build of the program is not there: '$program'"
    exit 1
  fi
  local work=$DUSK_BUILD/e2e/$1
  rm -rf "$work"; mkdir -p "$work" "$DUSK_SHOTS"
  cp -r "$DUSK_RELEASE"/. "$work/"
  cp "$program" "$work/"
  cd "$work" || exit 1
  exe=./$(basename "$program")
}
