#!/usr/bin/env bash
# Installs everything the build and the tests need on a fresh Debian 12 machine.
# Returns at once when all of it is already there.
set -euo pipefail

need_cmds=(cmake ninja i686-w64-mingw32-g++-win32 i686-w64-mingw32-g++-posix
           x86_64-w64-mingw32-g++-win32 x86_64-w64-mingw32-g++-posix x86_64-w64-mingw32-objdump
           wine Xvfb xdotool import rsvg-convert icotool sqlite3 xvfb-run tclsh makensis zip unzip)
missing=0
for c in "${need_cmds[@]}"; do command -v "$c" >/dev/null 2>&1 || missing=1; done
[ -d /usr/src/googletest ] || missing=1
[ -f /usr/include/sqlite3.h ] || missing=1
dpkg -s wine32:i386 >/dev/null 2>&1 || missing=1
dpkg -s wine64 >/dev/null 2>&1 || missing=1
dpkg -s fonts-wine >/dev/null 2>&1 || missing=1
# SQLite for the Windows builds: Debian's own source made into its one-file form once,
# kept outside the tree and shared by every checkout (cmake/pieces/sqlite.cmake reads it).
sqlite_cache=${DUSK_CACHE:-$HOME/.cache/dusklatch}/sqlite
[ -f "$sqlite_cache/sqlite3.c" ] && [ -f "$sqlite_cache/sqlite3.h" ] || missing=1
[ "$missing" = 0 ] && exit 0

SUDO=""
[ "$(id -u)" = 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
# Source packages are needed to build SQLite for the Windows side from Debian's own
# source: the same archives the machine installs from, with deb-src.
if ! grep -qsE '^[[:space:]]*(deb-src[[:space:]]|Types:.*deb-src)' /etc/apt/sources.list \
    /etc/apt/sources.list.d/*.list /etc/apt/sources.list.d/*.sources; then
  $SUDO bash "$(dirname "$0")/apt-source-entries.sh" /etc/apt
fi
# One index that fails to download (a mirror in sync) need not stop the rest.
$SUDO apt-get update -qq || echo "apt-get update reported errors; going on with the lists it has" >&2
$SUDO apt-get install -y -qq --no-install-recommends \
  cmake ninja-build g++ make git dpkg-dev tcl \
  mingw-w64 g++-mingw-w64-i686-posix g++-mingw-w64-i686-win32 binutils-mingw-w64-i686 \
  g++-mingw-w64-x86-64-posix g++-mingw-w64-x86-64-win32 binutils-mingw-w64-x86-64 \
  wine wine32:i386 wine64 fonts-wine \
  xvfb xauth x11-utils xdotool imagemagick librsvg2-bin icoutils \
  googletest libgtest-dev sqlite3 libsqlite3-dev procps nsis zip unzip >/dev/null

if [ ! -f "$sqlite_cache/sqlite3.c" ] || [ ! -f "$sqlite_cache/sqlite3.h" ]; then
  echo "== making SQLite from Debian's source (once)"
  work=$(mktemp -d "${TMPDIR:-/tmp}/dusk-sqlite.XXXXXX")
  (
    cd "$work"
    apt-get source -qq sqlite3 >apt-source.log 2>&1 || { cat apt-source.log >&2; exit 1; }
    cd sqlite3-*/
    ./configure >"$work/configure.log" 2>&1 || { tail -40 "$work/configure.log" >&2; exit 1; }
    make sqlite3.c >"$work/make.log" 2>&1 || { tail -40 "$work/make.log" >&2; exit 1; }
    mkdir -p "$sqlite_cache"
    cp sqlite3.h "$sqlite_cache/sqlite3.h.new" && cp sqlite3.c "$sqlite_cache/sqlite3.c.new"
    cp VERSION "$sqlite_cache/VERSION"
    mv "$sqlite_cache/sqlite3.h.new" "$sqlite_cache/sqlite3.h"
    mv "$sqlite_cache/sqlite3.c.new" "$sqlite_cache/sqlite3.c"
  ) || { rm -rf "$work"; echo "could not make SQLite from source" >&2; exit 1; }
  rm -rf "$work"
fi
