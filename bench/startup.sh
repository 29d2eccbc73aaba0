#!/bin/sh
# The exporter's start-up against its floor: one process that writes one picture, next to a C
# program (floor_writer) that only writes a file of the same size the same way (temporary name,
# flushed, renamed). Both write into a memory-backed folder when there is one, so the disk's
# flush time, the same for both, does not drown the difference. Target: at most 2 times.
#
# usage: bench/startup.sh [BUILD_FOLDER]    (needs hyperfine)
set -eu
here=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$here/build}
command -v hyperfine >/dev/null || { echo "startup.sh: hyperfine is not installed" >&2; exit 2; }
folder=$(mktemp -d "${BS_STARTUP_DIR:-/dev/shm}/bs-startup-XXXXXX" 2>/dev/null || mktemp -d)
trap 'rm -rf "$folder"' EXIT
# The machine is shared: medians, not means, say what a run costs.
hyperfine -N --warmup 20 -r "${RUNS:-300}" --export-json "$folder/times.json" \
  "$build/floor_writer $folder/floor.bmp" \
  "$build/run/boardsmith-export $here/samples/immortal-arrows.brd $folder/export.bmp"
python3 - "$folder/times.json" <<'PY'
import json, sys
floor, export = (r["median"] for r in json.load(open(sys.argv[1]))["results"])
print(f"medians: floor {floor * 1000:.2f} ms, export {export * 1000:.2f} ms, ratio {export / floor:.2f} (target 2)")
PY
