# Sourced by the run and test scripts: a throwaway 32-bit Wine prefix set to Windows XP,
# a scratch HOME, and a virtual display. Everything started here is remembered by PID
# and stopped by wine_env_cleanup.
# shellcheck shell=bash

WINE_ENV_ROOT=${WINE_ENV_ROOT:-$PWD/build/wine}
WINE_ENV_PIDS=()
WINE_ENV_PREFIXES=()

wine_env_init() {
  mkdir -p "$WINE_ENV_ROOT"
  export HOME="$WINE_ENV_ROOT/home"
  export XDG_CONFIG_HOME="$HOME/.config" XDG_DATA_HOME="$HOME/.local/share"
  export XDG_CACHE_HOME="$HOME/.cache" XDG_RUNTIME_DIR="$HOME/.runtime"
  mkdir -p "$XDG_CONFIG_HOME" "$XDG_DATA_HOME" "$XDG_CACHE_HOME" "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  export WINEARCH=win32 WINEDEBUG=-all
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
  # Where the prefix's stand-in browser writes every address it is asked to open.
  export DUSK_OPENED_URLS="$WINE_ENV_ROOT/opened-urls.txt"
  # Sound goes to ALSA's null device: played at its pace, heard by nobody.
  printf 'pcm.!default { type null }\n' > "$HOME/.asoundrc"
}

# Starts Xvfb on a display it finds free itself and exports DISPLAY. Xvfb reports the
# display it took through -displayfd once it listens, so two trees starting at the
# same moment can never end up sharing (and later killing) one display.
wine_env_display() {
  local answer pid n=
  answer=$(mktemp "${TMPDIR:-/tmp}/dusk-display.XXXXXX")
  Xvfb -displayfd 8 -screen 0 1024x768x24 -nolisten tcp 8>"$answer" >/dev/null 2>&1 9>&- &
  pid=$!
  for _ in $(seq 100); do
    n=$(tr -dc '0-9' <"$answer")
    [ -n "$n" ] && break
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
  done
  rm -f "$answer"
  if [ -z "$n" ]; then
    kill "$pid" 2>/dev/null
    echo "Xvfb did not start" >&2
    return 1
  fi
  WINE_ENV_PIDS+=("$pid")
  export DISPLAY=":$n"
  # The end-to-end scripts run only on a display that carries this mark.
  export DUSK_TEST_DISPLAY="$DISPLAY $pid"
}

# The prefix's settings: Windows XP, no window manager, no crash dialog, a browser
# that only writes down the addresses it is given, and sound through ALSA's null
# device (see wine_env_init), which plays in real time and is never heard.
wine_env_settings() {
  local browser="$WINE_ENV_ROOT/browser.sh"
  cat <<REG
REGEDIT4

[HKEY_CURRENT_USER\\Software\\Wine]
"Version"="winxp"

[HKEY_CURRENT_USER\\Software\\Wine\\X11 Driver]
"Managed"="N"
"Decorated"="N"

[HKEY_CURRENT_USER\\Software\\Wine\\WineDbg]
"ShowCrashDialog"=dword:00000000

[HKEY_CURRENT_USER\\Software\\Wine\\Drivers]
"Audio"="alsa"

[HKEY_CURRENT_USER\\Software\\Wine\\WineBrowser]
"Browsers"="$browser"
REG
}

# A prefix booted once and copied for each use (a copy takes ~3 s, a boot ~10 s);
# booted again whenever its settings change.
wine_env_golden() {
  local golden="$WINE_ENV_ROOT/${WINE_ENV_GOLDEN:-golden}" stamp
  stamp=$(wine_env_settings | md5sum | cut -d' ' -f1)
  if [ "$(cat "$golden/.ready" 2>/dev/null)" = "$stamp" ]; then echo "$golden"; return; fi
  rm -rf "$golden"
  WINEPREFIX="$golden" wineboot -i >/dev/null 2>&1
  local browser="$WINE_ENV_ROOT/browser.sh"
  printf '#!/bin/sh\necho "$@" >> "%s"\n' "$DUSK_OPENED_URLS" > "$browser"
  chmod +x "$browser"
  local reg="$WINE_ENV_ROOT/settings.reg"
  wine_env_settings > "$reg"
  WINEPREFIX="$golden" wine regedit "$(WINEPREFIX="$golden" winepath -w "$reg")" >/dev/null 2>&1
  # A new prefix links Desktop, Documents... to $HOME; tests want folders of their own.
  local user_dir
  for user_dir in "$golden"/drive_c/users/*/; do
    for link in "$user_dir"*; do
      if [ -L "$link" ]; then rm -f "$link"; mkdir -p "$link"; fi
    done
  done
  WINEPREFIX="$golden" wineserver -w
  echo "$stamp" > "$golden/.ready"
  echo "$golden"
}


# A fresh copy of the golden prefix at $1; exports WINEPREFIX and keeps the server warm.
wine_env_prefix() {
  local target=$1 golden
  golden=$(wine_env_golden)
  rm -rf "$target"
  cp -a "$golden" "$target"
  export WINEPREFIX="$target"
  WINE_ENV_PREFIXES+=("$target")
  # fd 9 is the build lock of scripts/build.sh: a server that outlived us must not hold it.
  wineserver -p 30 >/dev/null 2>&1 9>&- || true
}

# The same with a 64-bit prefix (for 64-bit programs beside the 32-bit ones). Wine
# refuses a 64-bit prefix while WINEARCH says win32, so that is switched as well.
wine_env_prefix64() {
  export WINEARCH=win64
  WINE_ENV_GOLDEN=golden64 wine_env_prefix "$1"
}

wine_env_cleanup() {
  local prefix
  for prefix in "${WINE_ENV_PREFIXES[@]}"; do
    WINEPREFIX="$prefix" wineserver -k >/dev/null 2>&1 || true
  done
  WINE_ENV_PREFIXES=()
  local pid
  for pid in "${WINE_ENV_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  for pid in "${WINE_ENV_PIDS[@]}"; do wait "$pid" 2>/dev/null || true; done
  WINE_ENV_PIDS=()
}

# A whole session for a tool run under $1: the environment, a display, one prefix
# ($1/prefix), and everything stopped when the calling script exits.
wine_env_session() {
  WINE_ENV_ROOT=$1
  wine_env_init
  trap wine_env_cleanup EXIT
  wine_env_display
  wine_env_prefix "$WINE_ENV_ROOT/prefix"
}
