#!/bin/sh
# Colour PNGs 592 pixels wide, one thread, a batch of 300 positions: ours (the benchmark
# PNGColourBatch: composed and encoded into memory, one after another) against the npm package
# chessboard-image (generateBuffer, size 592, into memory, in one Node.js process) on the same
# positions, side by side in one run. Goals: ours at most 3 ms a picture, and at least 5 times faster than the
# peer. The package goes into a temporary folder for this run only (it needs npm and Node.js).
# Usage: bench/png_vs_peer.sh [BUILD] [POSITIONS]
set -eu
build=${1:-build}
count=${2:-300}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

# The positions: the first ones of random games, every ply (no two the same file).
"$build/pgnbench" write 40 2026 "$work/games.pgn"
"$build/pgnbench" fens "$work/games.pgn" | sort -u | head -n "$count" > "$work/list.fen"
count=$(wc -l < "$work/list.fen")

(cd "$work" && npm install --no-audit --no-fund --silent chessboard-image > npm.log 2>&1) ||
  { echo "chessboard-image could not be installed from npm; see $work/npm.log" >&2; exit 1; }
cat > "$work/peer.mjs" <<'JS'
import { readFileSync } from 'node:fs';
import { generateBuffer } from 'chessboard-image';
const fens = readFileSync(process.argv[2], 'utf8').split('\n').filter(Boolean);
await generateBuffer(fens[0], { size: 592 });  // loaded and warmed once
const start = process.hrtime.bigint(), cpu0 = process.cpuUsage();
for (const fen of fens) await generateBuffer(fen, { size: 592 });
const wall = Number(process.hrtime.bigint() - start) / 1e6, cpu = process.cpuUsage(cpu0);
console.log(wall / fens.length, (cpu.user + cpu.system) / 1000 / fens.length);
JS
BS_BENCH_FENS="$work/list.fen" "$build/bench" --benchmark_filter='^PNGColourBatch' \
  --benchmark_min_time=2 --benchmark_format=json > "$work/ours.json"
peer=$(cd "$work" && node peer.mjs list.fen)
# On a shared machine the wall-clock times vary with the load; processor time is steadier, and
# the goals are judged on it.
python3 - "$work/ours.json" $peer <<'PY'
import json, sys
b = json.load(open(sys.argv[1]))["benchmarks"][0]
n = b["pictures"]
ours_wall, ours_cpu = b["real_time"] / n, b["cpu_time"] / n
peer_wall, peer_cpu = float(sys.argv[2]), float(sys.argv[3])
print("%d positions, colour PNG 592 px, one thread, ms a picture" % n)
print("boardsmith:       wall %.3f, cpu %.3f (goal: at most 3)" % (ours_wall, ours_cpu))
print("chessboard-image: wall %.3f, cpu %.3f" % (peer_wall, peer_cpu))
print("ratio: wall %.1f, cpu %.1f times faster (goal: at least 5)" % (peer_wall / ours_wall, peer_cpu / ours_cpu))
sys.exit(0 if ours_cpu <= 3 and peer_cpu / ours_cpu >= 5 else 1)
PY
