#!/usr/bin/env bash
# Prints what one picture of the program's own controls costs under Wine: the candy
# face painted in memory, a candy button drawn and a themed button painted
# (tools/bench/paint_bench.cpp). A yardstick to compare before and after a change.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
bash scripts/build.sh win >/dev/null

# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
wine_env_session "$root/build/bench-wine"
wine build/win/paint_bench.exe | tr -d '\r'
