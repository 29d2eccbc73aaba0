#!/usr/bin/env bash
# Deliberate faults: applies each fault of faults.txt in turn to a clean copy of a revision, builds,
# runs the whole suite and says which test caught it. A fault no test catches is a hole in the
# suite. Usage: [REV=commit] tests/faults/run.sh [FAULTS-FILE]   (about a minute a fault on two
# cores; REV names the revision to try, HEAD when not given)
set -u
top=$(git rev-parse --show-toplevel) || exit 2
list=$(realpath "${1:-$top/tests/faults/faults.txt}")
work=$(mktemp -d /tmp/boardsmith-faults.XXXXXX)
trap 'git -C "$top" worktree remove --force "$work/tree" >/dev/null 2>&1; rm -rf "$work"' EXIT
git -C "$top" worktree add --detach "$work/tree" "${REV:-HEAD}" >/dev/null 2>&1 || exit 2
cd "$work/tree" || exit 2
launcher=$(command -v ccache >/dev/null && echo -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
cmake -S . -B build $launcher >/dev/null && cmake --build build -j "$(nproc)" >/dev/null || {
  echo "the clean copy does not build"; exit 2; }
# A suite that already fails would make every fault look caught.
(cd build && QT_QPA_PLATFORM=offscreen ctest -j "$(nproc)" --timeout 120 >/dev/null 2>&1) || {
  echo "the clean copy's tests fail"; exit 2; }

caught=0 missed=0 stale=0
run_fault() {  # $1 description, $2 file, $3 text, $4 replacement
  if ! grep -qF -- "$3" "$2"; then
    echo "STALE   $1 ($2 no longer holds the text)"; stale=$((stale + 1)); return
  fi
  FROM="$3" TO="$4" perl -0pi -e 's/\Q$ENV{FROM}\E/$ENV{TO}/' "$2"
  if ! cmake --build build -j "$(nproc)" >/dev/null 2>&1; then
    echo "caught  $1 (does not build)"; caught=$((caught + 1))
  else
    # Every test that did not pass: failed, crashed, aborted or timed out.
    failed=$(cd build && QT_QPA_PLATFORM=offscreen ctest -j "$(nproc)" --timeout 120 2>/dev/null |
             sed -n '/tests FAILED:/,$ s/^[[:space:]]*[0-9][0-9]* - \(.*\) ([^)]*)$/\1/p' |
             head -n 3 | paste -sd, -)
    if [ -n "$failed" ]; then echo "caught  $1 by $failed"; caught=$((caught + 1))
    else echo "MISSED  $1"; missed=$((missed + 1)); fi
  fi
  git checkout -q -- "$2"
}

# faults.txt: blocks of four lines ("# description", "file: ...", "from: ...", "to: ...").
desc="" file="" from=""
while IFS= read -r line; do
  case "$line" in
    "# "*) desc=${line#\# } ;;
    "file: "*) file=${line#file: } ;;
    "from: "*) from=${line#from: } ;;
    "to: "*) run_fault "$desc" "$file" "$from" "${line#to: }" ;;
  esac
done < "$list"
echo "$caught caught, $missed missed, $stale stale"
[ "$missed" -eq 0 ] && [ "$stale" -eq 0 ]
