#!/bin/sh
# Reading and replaying a PGN file with every position's FEN written: the exporter as a whole
# process (boardsmith-export --every-ply --print-fen) and the chess library alone
# (tools/pgnbench) against pgn-extract, the C PGN tool, on the same file of random games, timed
# by hyperfine in the same run; then a list of a million FEN lines through the exporter.
# Goals: the exporter at most 0.6 of pgn-extract's time (target 0.5), the list in at most 1 s.
# Usage: bench/pgn_vs_pgnextract.sh [BUILD] [GAMES]
set -eu
build=${1:-build}
games=${2:-3000}
export_=$build/run/boardsmith-export
pgnextract=$(command -v pgn-extract || echo /usr/games/pgn-extract)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/pgnbench" write "$games" 2026 "$work/games.pgn"
# All must see the same positions: pgn-extract's EPD lines against the first four FEN fields.
"$export_" --print-fen --every-ply "$work/games.pgn" > "$work/fens.txt"
cut -d' ' -f1-4 "$work/fens.txt" > "$work/ours.epd"
"$build/pgnbench" fens "$work/games.pgn" | cut -d' ' -f1-4 | cmp -s - "$work/ours.epd" ||
  { echo "the exporter and the library disagree on the positions" >&2; exit 1; }
"$pgnextract" -s -Wepd "$work/games.pgn" -o "$work/theirs.txt" 2> /dev/null
grep -v '^$' "$work/theirs.txt" | cut -d' ' -f1-4 > "$work/theirs.epd"
cmp -s "$work/ours.epd" "$work/theirs.epd" || { echo "the two tools disagree on the positions" >&2; exit 1; }
echo "$(wc -l < "$work/ours.epd") positions in $games games, $(wc -c < "$work/games.pgn") bytes"

# A million FEN lines: the positions again and again.
while [ "$(wc -l < "$work/list.fen" 2>/dev/null || echo 0)" -lt 1000000 ]; do cat "$work/fens.txt" >> "$work/list.fen"; done
head -n 1000000 "$work/list.fen" > "$work/million.fen"

hyperfine --warmup 2 --runs 10 --export-json "$work/times.json" \
  -n boardsmith-export "$export_ --print-fen --every-ply $work/games.pgn > /dev/null" \
  -n library "$build/pgnbench fens $work/games.pgn > /dev/null" \
  -n pgn-extract "$pgnextract -s -Wepd $work/games.pgn -o /dev/null" \
  -n fen-list "$export_ --print-fen $work/million.fen > /dev/null"
# On a shared machine the wall-clock times vary with the load; user + system time is steadier.
python3 - "$work/times.json" <<'PY'
import json, sys
runs = {r["command"]: r for r in json.load(open(sys.argv[1]))["results"]}
cpu = lambda r: r["user"] + r["system"]
theirs = runs["pgn-extract"]
for name in ("boardsmith-export", "library"):
    ours = runs[name]
    print("%-17s wall %.3f s against %.3f s, ratio %.2f; cpu %.3f s against %.3f s, ratio %.2f (goal: at most 0.60)"
          % (name, ours["mean"], theirs["mean"], ours["mean"] / theirs["mean"], cpu(ours), cpu(theirs), cpu(ours) / cpu(theirs)))
fens = runs["fen-list"]
print("1,000,000 FEN lines: wall %.3f s, cpu %.3f s (goal: at most 1 s)" % (fens["mean"], cpu(fens)))
PY
