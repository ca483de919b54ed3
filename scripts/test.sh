#!/usr/bin/env bash
# Runs every test: the host tests on Linux, then the Windows tests and the end-to-end
# checks under Wine in a throwaway Windows XP prefix on a virtual display.
# Installs what is missing first. Exits non-zero on any failure.
set -uo pipefail
cd "$(dirname "$0")/.."
# One build or test run at a time in this tree: ninja and the Wine prefixes are shared.
if [ -z "${DUSK_LOCK_HELD:-}" ]; then
  mkdir -p build
  exec 9>build/.lock
  flock 9
  export DUSK_LOCK_HELD=1
fi
root=$PWD
started=$(date +%s)

bash scripts/bootstrap.sh || { echo "bootstrap failed" >&2; exit 1; }
bash scripts/build.sh host win wintest package || { echo "build failed" >&2; exit 1; }

passed=0 failed=0
results=()
report() {  # name, log, exit code
  local name=$1 log=$2 rc=$3 p f
  p=$(grep -a -E '^\[  PASSED  \] [0-9]+ test' "$log" | grep -o -E '[0-9]+' | head -1)
  f=$(grep -a -E '^\[  FAILED  \] [0-9]+ test' "$log" | grep -o -E '[0-9]+' | head -1)
  p=${p:-0} f=${f:-0}
  # A runner that failed, or passed without running a single check, counts as failed.
  if { [ "$rc" != 0 ] || [ "$p" = 0 ]; } && [ "$f" = 0 ]; then f=1; fi
  passed=$((passed + p)) failed=$((failed + f))
  results+=("$(printf '%-22s %4d passed, %d failed' "$name" "$p" "$f")")
  if [ "$f" != 0 ]; then
    echo "---- $name failed; its output:"; grep -a -E -v '^\[ +(OK|RUN) +\]' "$log" | tail -n 200
  fi
}

# What a run leaves to look at is this run's only: no screenshot, log or opened
# address of an earlier run can stand in for one that failed to come.
rm -rf build/logs build/screenshots
mkdir -p build/logs build/screenshots
echo "== host tests"
./build/host/dusk_host_tests --gtest_color=no >build/logs/host.log 2>&1
report "host" build/logs/host.log $?

# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
WINE_ENV_ROOT=$root/build/wine
wine_env_init
trap wine_env_cleanup EXIT
rm -f "$DUSK_OPENED_URLS"
wine_env_display
echo "== Windows tests under Wine (display $DISPLAY)"
wine_env_prefix "$WINE_ENV_ROOT/prefix-wintest"
(cd build/wintest && timeout 600 wine ./dusk_win_tests.exe --gtest_color=no) >build/logs/wintest.log 2>&1
report "windows (wine)" build/logs/wintest.log $?

# End-to-end checks: each script drives the built program and prints gtest-style
# summary lines; it gets the release folder, a fresh prefix and the display.
for e2e in tests/e2e/*.sh; do
  [ -e "$e2e" ] || continue
  name=$(basename "$e2e" .sh)
  echo "== end-to-end: $name"
  wine_env_prefix "$WINE_ENV_ROOT/prefix-$name"
  DUSK_RELEASE="$root/build/win/release/Dusklatch" DUSK_BUILD="$root/build" \
    DUSK_SHOTS="$root/build/screenshots" DUSK_RECORDING="$root/build/wintest/DusklatchRecording.exe" timeout 900 bash "$e2e" >"build/logs/e2e-$name.log" 2>&1
  rc=$?
  report "e2e $name" "build/logs/e2e-$name.log" $rc
  wineserver -k >/dev/null 2>&1 || true
  # A prefix is ~600 MB: keep only those of failed scripts, to look into.
  [ "$rc" != 0 ] || rm -rf "$WINE_ENV_ROOT/prefix-$name"
done

echo
echo "== summary"
printf '  %s\n' "${results[@]}"
echo "  (in $(( $(date +%s) - started )) s; logs in build/logs, screenshots in build/screenshots)"
echo "$passed passed, $failed failed"
[ "$failed" = 0 ]
