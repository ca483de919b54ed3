#!/usr/bin/env bash
# Measures the shredder against GNU shred and the disk itself, on identical copies in
# one folder of this disk (build/bench-shred):
#   - a large file: our ShredFile (the Windows build under Wine, through dusk_shred.exe),
#     GNU `shred -n 11 -u` (eleven passes, synced per pass), and `dd bs=8k
#     conv=notrunc,fsync` writing the same bytes once: the disk's limit for one pass;
#   - a tree of small files: our KillFiles against GNU shred on every file.
# Prints MB/s per pass, files/s and the ratios.
# Each is timed in several rounds and the fastest round counts, since other work on the
# machine disturbs timings of the disk.
# Usage: scripts/bench-shred.sh [MiB] [files] [rounds]   (default 256, 5000 and 3)
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
mib=${1:-256}
count=${2:-5000}
rounds=${3:-3}
bash scripts/build.sh win >/dev/null

# shellcheck source=scripts/wine-env.sh
source scripts/wine-env.sh
WINE_ENV_ROOT=$root/build/bench-wine
wine_env_init
work=$root/build/bench-shred
cleanup() { rm -rf "$work"; wine_env_cleanup; }
trap cleanup EXIT
wine_env_display
wine_env_prefix "$WINE_ENV_ROOT/prefix"
# A server that stays up between the rounds (ended by the cleanup): a new one would set
# the prefix up again in the background while we time.
wineserver -k >/dev/null 2>&1 || true
wineserver -p >/dev/null 2>&1 9>&- || true
rm -rf "$work"; mkdir -p "$work"
tool=$root/build/win/dusk_shred.exe
# A new prefix finishes setting itself up in the background after its first program;
# that disk traffic must be over before anything is timed.
echo warm >"$work/warm.txt"
wine "$tool" shred "$(winepath -w "$work/warm.txt")" >/dev/null
sleep 5

now() { date +%s.%N; }
rate() { awk -v b="$1" -v s="$2" 'BEGIN { printf "%.1f", b / 1e6 / s }'; }  # bytes, seconds -> MB/s
since() { awk -v a="$1" -v b="$(now)" 'BEGIN { print b - a }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", a / b }'; }
ours() {  # dusk_shred arguments (unix paths last) -> seconds the routine took
  local args=("$@") last=$((${#args[@]} - 1)) ms
  args[$last]=$(winepath -w "${args[$last]}")
  ms=$(wine "$tool" "${args[@]}" | tr -d '\r' | sed -n 's/^elapsed_ms=//p')
  awk -v m="$ms" 'BEGIN { printf "%.3f", m / 1000 }'
}

best() { sort -g | head -1; }  # the fastest of the rounds: the one least disturbed

# The large file. Every pass covers one 8 KiB block more than the file (its length is
# a whole number of blocks), the bytes dd writes once.
size=$((mib * 1024 * 1024))
region=$((size + 8192))
head -c "$size" /dev/urandom >"$work/source.bin"
head -c "$region" /dev/zero | tr '\0' '#' >"$work/pattern.bin"  # read from the cache by dd
dd_times=() gnu_times=() ours_times=()
for ((round = 0; round < rounds; round++)); do
  for copy in dd gnu ours; do cp "$work/source.bin" "$work/$copy.bin"; done
  cat "$work/pattern.bin" >/dev/null
  sync
  t0=$(now)
  dd if="$work/pattern.bin" of="$work/dd.bin" bs=8k conv=notrunc,fsync status=none
  dd_times+=("$(since "$t0")")
  rm -f "$work/dd.bin"
  sync
  t0=$(now)
  shred -n 11 -u "$work/gnu.bin"
  gnu_times+=("$(since "$t0")")
  sync
  ours_times+=("$(ours shred "$work/ours.bin")")
  [ ! -e "$work/ours.bin" ] || { echo "our shred left the file behind" >&2; exit 1; }
done
dd_rate=$(rate "$region" "$(printf '%s\n' "${dd_times[@]}" | best)")
gnu_rate=$(rate $((11 * size)) "$(printf '%s\n' "${gnu_times[@]}" | best)")
ours_rate=$(rate $((11 * region)) "$(printf '%s\n' "${ours_times[@]}" | best)")

# The tree of small files: 100 folders of count/100 files of 4 KiB each.
make_tree() {
  local dir=$1 i
  for ((i = 0; i < 100; i++)); do
    mkdir -p "$dir/d$i"
    head -c $((count / 100 * 4096)) "$work/source.bin" | (cd "$dir/d$i" && split -b 4096 -a 4 - f)
  done
}
gnu_tree_times=() ours_tree_times=()
for ((round = 0; round < rounds; round++)); do
  rm -rf "$work/tree-gnu" "$work/tree-ours"
  make_tree "$work/tree-gnu"
  cp -r "$work/tree-gnu" "$work/tree-ours"
  files=$(find "$work/tree-gnu" -type f | wc -l)
  sync
  t0=$(now)
  find "$work/tree-gnu" -type f -exec shred -n 11 -u {} +
  gnu_tree_times+=("$(since "$t0")")
  sync
  ours_tree_times+=("$(ours killfiles "$work/tree-ours")")
  left=$(find "$work/tree-ours" -type f | wc -l)
  [ "$left" = 0 ] || { echo "our walk left $left files behind" >&2; exit 1; }
done
gnu_files=$(awk -v n="$files" -v s="$(printf '%s\n' "${gnu_tree_times[@]}" | best)" 'BEGIN { printf "%.0f", n / s }')
ours_files=$(awk -v n="$files" -v s="$(printf '%s\n' "${ours_tree_times[@]}" | best)" 'BEGIN { printf "%.0f", n / s }')

echo "large file, $mib MiB, per pass (best of $rounds):"
echo "  dd (one pass, fsync)      $dd_rate MB/s"
echo "  GNU shred -n 11 -u        $gnu_rate MB/s   $(ratio "$gnu_rate" "$dd_rate") x dd"
echo "  Dusklatch ShredFile       $ours_rate MB/s   $(ratio "$ours_rate" "$dd_rate") x dd"
echo "tree of $files files of 4 KiB (best of $rounds):"
echo "  GNU shred -n 11 -u        $gnu_files files/s"
echo "  Dusklatch KillFiles       $ours_files files/s   $(ratio "$ours_files" "$gnu_files") x GNU shred"
