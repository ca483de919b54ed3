#!/usr/bin/env bash
# Builds Dusklatch.exe and starts it under Wine from a prepared program folder
# (build/run/Dusklatch: the exe with its side files; settings and schedules kept
# between runs). Uses $DISPLAY when set, otherwise starts a virtual display and
# names it. Returns when the program ends.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/bootstrap.sh
bash scripts/build.sh win

folder=$root/build/run/Dusklatch
mkdir -p "$folder"
cp -f build/win/release/Dusklatch/Dusklatch.exe "$folder/"
# Side files are copied only when missing, so that saved settings survive a rebuild.
for f in build/win/release/Dusklatch/*; do
  [ -e "$folder/$(basename "$f")" ] || cp "$f" "$folder/"
done

# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
WINE_ENV_ROOT=$root/build/wine
wine_env_init
trap wine_env_cleanup EXIT
if [ -z "${DISPLAY:-}" ]; then
  wine_env_display
  echo "Started a virtual display: DISPLAY=$DISPLAY (look with: DISPLAY=$DISPLAY import -window root shot.png)"
fi
export WINEPREFIX=$root/build/wine/prefix-run
[ -d "$WINEPREFIX" ] || wine_env_prefix "$WINEPREFIX"
echo "Starting $folder/Dusklatch.exe (prefix $WINEPREFIX)"
cd "$folder" && wine ./Dusklatch.exe
