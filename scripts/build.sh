#!/usr/bin/env bash
# Configures and builds one or more of the project's builds:
#   host     Linux: portable code and its tests        -> build/host
#   win      Windows program and release folder        -> build/win/release/Dusklatch
#   wintest  Windows test programs (run under Wine)    -> build/wintest
#   package  win, then the installer and the portable zip of its release folder
#                                                      -> build/packages
# Usage: scripts/build.sh [host] [win] [wintest] [package]   (the first three when none is named)
set -euo pipefail
cd "$(dirname "$0")/.."
# One build or test run at a time in this tree: ninja and the Wine prefixes are shared.
if [ -z "${DUSK_LOCK_HELD:-}" ]; then
  mkdir -p build
  exec 9>build/.lock
  flock 9
  export DUSK_LOCK_HELD=1
fi
jobs=${DUSK_JOBS:-2}
werror=ON
targets=("$@")
[ ${#targets[@]} -gt 0 ] || targets=(host win wintest)
toolchain=$PWD/cmake/toolchain-mingw-i686.cmake

configure() {
  local dir=$1; shift
  if [ ! -f "$dir/build.ninja" ]; then
    cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DDUSK_WERROR=$werror "$@" >"$dir.configure.log" 2>&1 ||
      { cat "$dir.configure.log" >&2; return 1; }
  fi
}

mkdir -p build
for t in "${targets[@]}"; do
  case $t in
    host)    configure build/host ;;
    package) bash scripts/bootstrap.sh ;&  # a fresh machine may lack the packaging tools
    win)     configure build/win -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DDUSK_MINGW_THREADS=win32 -DDUSK_TESTS=OFF ;;
    wintest) configure build/wintest -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DDUSK_MINGW_THREADS=posix -DDUSK_PROGRAM=OFF ;;
    *) echo "unknown build: $t" >&2; exit 2 ;;
  esac
  tree=$t; [ "$t" = package ] && tree=win
  echo "== building $tree"
  cmake --build "build/$tree" -j "$jobs" | grep -v -E '^\[[0-9]+/[0-9]+\] (Building|Linking)' || exit "${PIPESTATUS[0]}"
  if [ "$t" = package ]; then
    echo "== making the packages"
    bash packaging/make-packages.sh build/win build/packages
  fi
done
