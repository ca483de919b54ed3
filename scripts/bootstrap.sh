#!/usr/bin/env bash
# Installs everything the build and the tests need on a fresh Debian 12 machine.
# Returns at once when all of it is already there.
set -euo pipefail

need_cmds=(cmake ninja i686-w64-mingw32-g++-win32 i686-w64-mingw32-g++-posix wine Xvfb xdotool
           import rsvg-convert icotool sqlite3 xvfb-run tclsh)
missing=0
for c in "${need_cmds[@]}"; do command -v "$c" >/dev/null 2>&1 || missing=1; done
[ -d /usr/src/googletest ] || missing=1
[ -f /usr/include/sqlite3.h ] || missing=1
dpkg -s wine32:i386 >/dev/null 2>&1 || missing=1
dpkg -s fonts-wine >/dev/null 2>&1 || missing=1
[ "$missing" = 0 ] && exit 0

SUDO=""
[ "$(id -u)" = 0 ] || SUDO=sudo
export DEBIAN_FRONTEND=noninteractive

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $SUDO dpkg --add-architecture i386
fi
# Source packages are needed to build SQLite for the Windows side from Debian's own source.
if ! grep -rqs 'deb-src' /etc/apt/sources.list /etc/apt/sources.list.d/; then
  $SUDO tee /etc/apt/sources.list.d/dusklatch-src.sources >/dev/null <<'SRC'
Types: deb-src
URIs: http://deb.debian.org/debian
Suites: bookworm bookworm-updates
Components: main
Signed-By: /usr/share/keyrings/debian-archive-keyring.gpg
SRC
fi
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends \
  cmake ninja-build g++ make git dpkg-dev tcl \
  mingw-w64 g++-mingw-w64-i686-posix g++-mingw-w64-i686-win32 binutils-mingw-w64-i686 \
  wine wine32:i386 wine64 fonts-wine \
  xvfb xauth x11-utils xdotool imagemagick librsvg2-bin icoutils \
  googletest libgtest-dev sqlite3 libsqlite3-dev procps >/dev/null
