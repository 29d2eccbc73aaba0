#!/bin/sh
# The exporter's memory in long batches: its peak resident memory (max RSS, from /usr/bin/time)
# for 8 k and for 800 k positions, with {n} in the pattern (a FEN list, -o .../{n}.htm) and
# without it (every ply of random games, -o .../{game}-{ply}.htm, names that only the pattern
# keeps apart). The pages go to a memory-backed folder and are deleted as they come, so that
# neither the disk nor the folder's size is measured. Target: 800 k within 1.5 x 8 k, for both.
#
# usage: bench/batch_memory.sh [BUILD_FOLDER]   (needs /usr/bin/time, from the package time;
#        about 3 minutes on two cores)
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
[ -x /usr/bin/time ] || { echo "batch_memory.sh: /usr/bin/time is not installed" >&2; exit 2; }
work=$(mktemp -d "${BS_BENCH_DIR:-/dev/shm}/bs-memory-XXXXXX" 2>/dev/null || mktemp -d)
trap 'rm -rf "$work"' EXIT

# 800 k positions each way: a list of the positions of random games, and games enough to give
# as many positions with --every-ply.
"$build/pgnbench" write 100 2026 "$work/sample.pgn"
per100=$("$build/run/boardsmith-export" --print-fen --every-ply "$work/sample.pgn" | wc -l)
"$build/pgnbench" write $((800000 * 100 / per100 + 1)) 2026 "$work/games.pgn"
"$build/run/boardsmith-export" --print-fen --every-ply "$work/games.pgn" | head -n 800000 > "$work/800k.fen"
head -n 8000 "$work/800k.fen" > "$work/8k.fen"
"$build/pgnbench" write $((8000 * 100 / per100 + 1)) 2026 "$work/8k.pgn"
mv "$work/games.pgn" "$work/800k.pgn"

# Peak memory in kB of one batch; its pages deleted as they come.
peak() {  # $1 name, then the exporter's arguments
  name=$1
  shift
  mkdir -p "$work/out"
  /usr/bin/time -f %M -o "$work/$name.rss" "$build/run/boardsmith-export" -q "$@" &
  batch=$!
  while kill -0 "$batch" 2>/dev/null; do
    find "$work/out" -name '*.htm' -delete
    sleep 1
  done
  wait "$batch" || { echo "batch_memory.sh: the $name batch failed" >&2; exit 1; }
  rm -rf "$work/out"
  cat "$work/$name.rss"
}

status=0
for way in with without; do
  if [ $way = with ]; then
    small=$(peak list8k "$work/8k.fen" -o "$work/out/{n}.htm")
    large=$(peak list800k "$work/800k.fen" -o "$work/out/{n}.htm")
  else
    small=$(peak games8k --every-ply "$work/8k.pgn" -o "$work/out/{game}-{ply}.htm")
    large=$(peak games800k --every-ply "$work/800k.pgn" -o "$work/out/{game}-{ply}.htm")
  fi
  verdict=$(awk -v s="$small" -v l="$large" 'BEGIN { r = l / s; printf "%.2f %s", r, r <= 1.5 ? "met" : "MISSED" }')
  echo "$way {n}: max RSS 8 k positions $small kB, 800 k positions $large kB, ratio $verdict (target 1.5)"
  case $verdict in *MISSED) status=1 ;; esac
done
exit $status
