#!/bin/sh
# The layers as the build enforces them: a source compiled in a layer's include folder reaches the
# headers of the layers below it and no others.   layers_test.sh CXX LAYER_INCLUDES
set -u
cxx=$1 layers=$(realpath "$2")
cd "$(mktemp -d)" || exit 2  # quoted includes look in the current folder first
failures=0
# layer, header, whether it may include it
while read -r layer header allowed; do
  out=$(printf '#include "%s"\nint main() {}\n' "$header" |
        "$cxx" -std=c++20 -fsyntax-only -I"$layers/$layer" -x c++ - 2>&1)
  ok=$?
  if [ "$allowed" = yes ] && [ $ok -ne 0 ]; then
    echo "FAIL: $layer cannot include $header: $out"; failures=$((failures + 1))
  elif [ "$allowed" = no ] && [ $ok -eq 0 ]; then
    echo "FAIL: $layer includes $header, a layer above it"; failures=$((failures + 1))
  fi
done <<'TABLE'
bsmodel model/diagram.h yes
bsmodel chess/board.h no
bschess model/diagram.h yes
bschess check/check.h no
bschess render/canvas.h no
bscheck chess/diagram.h yes
bscheck files/paths.h no
bsrender chess/board.h yes
bsrender check/check.h no
bsrender files/atomicwrite.h no
bsfiles render/makebmp.h yes
bsfiles check/check.h yes
bsfiles exporter/options.h no
bsfiles editor/editor.h no
bsexporter files/brd.h yes
bsexporter editor/editor.h no
bseditor files/brd.h yes
bseditor platform/platform.h yes
bseditor exporter/options.h no
bsplatform platform/platform.h yes
bsplatform model/diagram.h no
TABLE
rmdir "$PWD"
[ $failures -eq 0 ] && echo "every layer reaches exactly the layers below it"
exit $failures
