#!/usr/bin/env bash
# Makes the two packages from the release folder of the Windows build:
#   Dusklatch-<version>-setup.exe     the installer (per machine, into Program Files)
#   Dusklatch-<version>-portable.zip  the release folder itself, to unpack anywhere
# Every file of the release folder goes into both, and every exe and DLL among them
# (and the installer) must pass the import check for Windows XP first.
#
# Usage: packaging/make-packages.sh [--version X.Y] <win build folder> <output folder>
#   --version  names and marks the packages with another version than the build's
#              (the upgrade test makes an "older" installer with it)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")

version=""
if [ "${1:-}" = --version ]; then version=$2; shift 2; fi
build=$(cd "${1:?win build folder}" && pwd)
mkdir -p "${2:?output folder}"
out=$(cd "$2" && pwd)
release=$build/release/Dusklatch
[ -f "$release/Dusklatch.exe" ] || { echo "no release folder in $build" >&2; exit 1; }

product_nsh=$build/generated/product.nsh
build_version=$(sed -n 's/^ *!define VERSION "\(.*\)"$/\1/p' "$product_nsh")
overrides=()
if [ -n "$version" ]; then
  dots=$version
  while [ "$(tr -cd . <<<"$dots" | wc -c)" -lt 3 ]; do dots=$dots.0; done
  overrides=("-DVERSION=$version" "-DVERSION_DOTS=$dots")
else
  version=$build_version
fi

import_check() { bash "$root/scripts/check-xp-imports.sh" "$1"; }

work=$out/.work
rm -rf "$work"; mkdir -p "$work"

# The release folder's files as install and uninstall steps (makensis cannot glob
# into a list it also uses to uninstall, and the uninstaller must remove only what
# setup put there).
files=()
while IFS= read -r -d '' f; do files+=("${f#"$release"/}"); done \
  < <(find "$release" -type f -print0 | LC_ALL=C sort -z)
for rel in "${files[@]}"; do
  case $rel in *'"'*|*$'\n'*) echo "cannot package a file named $rel" >&2; exit 1 ;; esac
  case ${rel,,} in *.exe|*.dll) import_check "$release/$rel" ;; esac
done
nsis() { printf '%s' "${1//\$/\$\$}"; }  # a text for an NSIS string: $ doubled
windows() { printf '%s' "${1//\//\\}"; }
{
  echo "; Made by packaging/make-packages.sh from $(nsis "$release")"
  echo '!macro DUSK_INSTALL_FILES'
  outdir=""
  for rel in "${files[@]}"; do
    dir=$(dirname "$rel") name=$(basename "$rel") src=$(nsis "$release/$rel")
    want='$INSTDIR'
    [ "$dir" = . ] || want="\$INSTDIR\\$(nsis "$(windows "$dir")")"
    [ "$want" = "$outdir" ] || { echo "  SetOutPath \"$want\""; outdir=$want; }
    case ${rel,,} in
      *.dll) echo "  !insertmacro DUSK_PUT_HELD_FILE \"$src\" \"$(nsis "$name")\"" ;;
      config.ini|system.vvc) echo "  !insertmacro DUSK_PUT_USER_FILE \"$src\" \"$(nsis "$name")\"" ;;
      *) echo "  File \"/oname=$(nsis "$name")\" \"$src\"" ;;
    esac
  done
  echo '!macroend'
  echo '!macro DUSK_UNINSTALL_FILES'
  for rel in "${files[@]}"; do
    target="\$INSTDIR\\$(nsis "$(windows "$rel")")"
    case ${rel,,} in
      config.ini|system.vvc) ;;  # settings: see DUSK_REMOVE_SHIPPED_USER_FILES
      *.dll) echo "  Delete /REBOOTOK \"$target\"" ;;
      *) echo "  Delete \"$target\"" ;;
    esac
  done
  # Sub-folders, deepest first; each goes only once it is empty.
  for rel in "${files[@]}"; do
    dir=$(dirname "$rel")
    while [ "$dir" != . ]; do echo "$dir"; dir=$(dirname "$dir"); done
  done | LC_ALL=C sort -u -r | while IFS= read -r dir; do
    echo "  RMDir \"\$INSTDIR\\$(nsis "$(windows "$dir")")\""
  done
  echo '!macroend'
  echo '!macro DUSK_REMOVE_SHIPPED_USER_FILES'
  for rel in "${files[@]}"; do
    case ${rel,,} in
      config.ini|system.vvc) echo "  !insertmacro DUSK_REMOVE_IF_UNCHANGED \"$(nsis "$release/$rel")\" \"$(nsis "$rel")\"" ;;
    esac
  done
  echo '!macroend'
} >"$work/files.nsh"

rsvg-convert -o "$work/wizard.png" "$here/wizard.svg"
convert "$work/wizard.png" -background white -flatten -type TrueColor "BMP3:$work/wizard.bmp"

setup=$out/Dusklatch-$version-setup.exe
zip=$out/Dusklatch-$version-portable.zip
rm -f "$setup" "$zip"
makensis -V2 -INPUTCHARSET UTF8 \
  "-DPRODUCT_NSH=$product_nsh" "-DFILES_NSH=$work/files.nsh" "-DAPP_ICON=$build/art/app.ico" \
  "-DWIZARD_BMP=$work/wizard.bmp" "-DMARKER_SOURCE=$here/installed.txt" "-DOUT_FILE=$setup" \
  ${overrides[@]+"${overrides[@]}"} "$here/dusklatch.nsi"
import_check "$setup"

# The zip holds one folder, Dusklatch, as the release folder is.
(cd "$build/release" && zip -q -r -X "$zip" Dusklatch)
rm -rf "$work"
echo "packages: $(basename "$setup"), $(basename "$zip") in $out"
