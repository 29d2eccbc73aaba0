#!/bin/bash
# The diagram service under load, against the exporter on the same diagrams and threads:
# print PNG diagrams of varied positions (every position of the test games), 32 connections
# for 10 s with wrk on loopback. Targets: no errors; throughput at least 0.5 x the exporter's
# batch; p99 latency under 20 ms; resident memory after 100 k requests within 1.2 x that after
# 1 k. Prints one line a figure and ends with the targets met or missed. The pictures are the
# exact print pictures (the classic set) unless PIECES names another set, e.g. PIECES=FreeSerif
# for the book set's composed ones.
#
# usage: [PIECES=SET] bench/serve_load.sh [BUILD_FOLDER] [THREADS]     (needs wrk and curl)
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
threads=${2:-$(nproc)}
pieces=${PIECES:-classic}
command -v wrk >/dev/null || { echo "serve_load.sh: wrk is not installed" >&2; exit 2; }
work=$(mktemp -d /tmp/bs-serve-load-XXXXXX)
server=""
trap '[ -n "$server" ] && kill "$server" 2>/dev/null; rm -rf "$work"' EXIT

# The positions, as a FEN list and as the paths of their diagrams.
"$build/run/boardsmith-export" --every-ply --print-fen "$here/tests/data/pgn/games.pgn" > "$work/list.fen"
positions=$(wc -l < "$work/list.fen")
python3 - "$work/list.fen" "$work/paths" "$pieces" <<'PY'
import sys, urllib.parse
pieces = "&pieces=" + urllib.parse.quote_plus(sys.argv[3])
with open(sys.argv[1]) as f, open(sys.argv[2], "w") as out:
    for fen in f:
        out.write("/diagram.png?fen=" + urllib.parse.quote_plus(fen.strip(), safe="/") + pieces + "\n")
PY

# The exporter's batch: the same diagrams as files, on the same number of threads.
start=$(date +%s.%N)
"$build/run/boardsmith-export" -q -j "$threads" --pieces="$pieces" -o "$work/out/{n}.png" "$work/list.fen"
end=$(date +%s.%N)
exporter=$(python3 -c "print($positions / ($end - $start))")

"$build/run/boardsmith-serve" --listen=127.0.0.1:0 --threads="$threads" --log=/dev/null 2> "$work/err" &
server=$!
for _ in $(seq 100); do grep -q listening "$work/err" && break; sleep 0.05; done
port=$(grep -o '127\.0\.0\.1:[0-9]*' "$work/err" | cut -d: -f2)
url="http://127.0.0.1:$port"
cat > "$work/paths.lua" <<LUA
paths = {}
for line in io.lines("$work/paths") do paths[#paths + 1] = line end
counter = 0
request = function()
  counter = counter + 1
  return wrk.format("GET", paths[(counter % #paths) + 1])
end
LUA
rss() { awk '/^VmRSS/ { print $2 }' "/proc/$server/status"; }
# About a thousand requests, then the measured run, then more until 100 k were served.
wrk -t 2 -c 32 -d 1s -s "$work/paths.lua" "$url" > "$work/warm.txt"
rss_first=$(rss)
wrk -t 2 -c 32 -d 10s --latency -s "$work/paths.lua" "$url" > "$work/run.txt"
served=$(awk '/requests in/ { n += $1 } END { print n }' "$work/warm.txt" "$work/run.txt")
while [ "$served" -lt 100000 ]; do
  wrk -t 2 -c 32 -d 5s -s "$work/paths.lua" "$url" > "$work/more.txt"
  served=$((served + $(awk '/requests in/ { print $1 }' "$work/more.txt")))
done
rss_last=$(rss)
curl -s "$url/healthz" > /dev/null

python3 - "$work/run.txt" "$exporter" "$rss_first" "$rss_last" "$served" "$threads" "$pieces" <<'PY'
import re, sys
text = open(sys.argv[1]).read()
exporter, first, last, served, threads = float(sys.argv[2]), int(sys.argv[3]), int(sys.argv[4]), int(sys.argv[5]), sys.argv[6]
rate = float(re.search(r"Requests/sec:\s+([\d.]+)", text).group(1))
def ms(value, unit): return float(value) * {"us": 0.001, "ms": 1.0, "s": 1000.0}[unit]
p99 = ms(*re.search(r"99%\s+([\d.]+)(us|ms|s)", text).groups())
errors = sum(int(n) for n in re.findall(r"(?:connect|read|write|timeout) (\d+)", text))
non2xx = re.search(r"Non-2xx or 3xx responses: (\d+)", text)
errors += int(non2xx.group(1)) if non2xx else 0
print(f"pieces {sys.argv[7]}, threads {threads}: service {rate:.0f} diagrams/s, exporter batch {exporter:.0f} diagrams/s, ratio {rate / exporter:.2f} (target 0.5)")
print(f"p99 latency {p99:.2f} ms (target 20), errors {errors} (target 0)")
print(f"resident memory {first} kB after about 1 k requests, {last} kB after {served}: ratio {last / first:.2f} (target 1.2)")
met = rate >= 0.5 * exporter and p99 < 20 and errors == 0 and last <= 1.2 * first
print("targets met" if met else "targets MISSED")
PY
