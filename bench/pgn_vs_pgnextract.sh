#!/bin/sh
# Reading and replaying a PGN file with every position's FEN written: this program's reader
# (tools/pgnbench) against pgn-extract on the same file of random games, timed by hyperfine.
# Goal: at most half of pgn-extract's time. Usage: bench/pgn_vs_pgnextract.sh [BUILD] [GAMES]
set -eu
build=${1:-build}
games=${2:-3000}
pgnextract=$(command -v pgn-extract || echo /usr/games/pgn-extract)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

"$build/pgnbench" write "$games" 2026 "$work/games.pgn"
# Both must see the same positions: pgn-extract's EPD lines against the first four FEN fields.
"$build/pgnbench" fens "$work/games.pgn" | cut -d' ' -f1-4 > "$work/ours.epd"
"$pgnextract" -s -Wepd "$work/games.pgn" -o "$work/theirs.txt" 2> /dev/null
grep -v '^$' "$work/theirs.txt" | cut -d' ' -f1-4 > "$work/theirs.epd"
cmp -s "$work/ours.epd" "$work/theirs.epd" || { echo "the two tools disagree on the positions" >&2; exit 1; }
echo "$(wc -l < "$work/ours.epd") positions in $games games, $(wc -c < "$work/games.pgn") bytes"

hyperfine --warmup 2 --runs 10 --export-json "$work/times.json" \
  -n boardsmith "$build/pgnbench fens $work/games.pgn > /dev/null" \
  -n pgn-extract "$pgnextract -s -Wepd $work/games.pgn -o /dev/null"
# On a shared machine the wall-clock times vary with the load; user + system time is steadier.
python3 - "$work/times.json" <<'PY'
import json, sys
runs = {r["command"]: r for r in json.load(open(sys.argv[1]))["results"]}
ours, theirs = runs["boardsmith"], runs["pgn-extract"]
cpu = lambda r: r["user"] + r["system"]
print("wall: %.3f s against %.3f s, ratio %.2f" % (ours["mean"], theirs["mean"], ours["mean"] / theirs["mean"]))
print("cpu:  %.3f s against %.3f s, ratio %.2f (goal: at most 0.50)" % (cpu(ours), cpu(theirs), cpu(ours) / cpu(theirs)))
PY
