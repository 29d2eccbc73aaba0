#!/bin/sh
# The installation: `cmake --install` into a staging prefix gives the desktop layout; the
# installed programs run from folders other than their own; the desktop entry, file type and
# manual pages are valid.   install_test.sh BUILD_FOLDER SOURCE_FOLDER
set -eu
build=$1 source=$2
work=$(mktemp -d /tmp/bs-install-XXXXXX)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix=$work/usr
cmake --install "$build" --prefix "$prefix" >/dev/null

# The layout.
for f in bin/boardsmith bin/boardsmith-export bin/boardsmith-serve lib/systemd/system/boardsmith-serve.service lib/boardsmith/boardsmith-vector.so \
         lib/boardsmith/boardsmith-png.so lib/boardsmith/boardsmith-gif.so \
         share/boardsmith/readme.htm share/boardsmith/about.htm \
         share/boardsmith/bmp/wkw.bmp share/boardsmith/bmp/bp.bmp share/boardsmith/bmp/bpm.bmp \
         share/boardsmith/cur/ar.ico share/boardsmith/gifs \
         share/applications/boardsmith.desktop share/mime/packages/boardsmith.xml \
         share/metainfo/example.boardsmith.boardsmith.metainfo.xml share/doc/boardsmith/copyright \
         share/icons/hicolor/16x16/apps/boardsmith.png share/icons/hicolor/256x256/apps/boardsmith.png \
         share/icons/hicolor/scalable/apps/boardsmith.svg \
         share/man/man1/boardsmith.1 share/man/man1/boardsmith-export.1 share/man/man1/boardsmith-serve.1; do
  [ -e "$prefix/$f" ] || fail "$f is not installed"
done
[ "$(ls "$prefix/share/boardsmith/gifs" | wc -l)" = 61 ] || fail "share/boardsmith/gifs does not hold 61 images"

# The exporter run from / writes the picture the build's exporter writes.
(cd / && "$prefix/bin/boardsmith-export" "$source/samples/immortal.brd" "$work/installed.bmp" >/dev/null) ||
  fail "the installed exporter failed"
"$build/run/boardsmith-export" "$source/samples/immortal.brd" "$work/built.bmp" >/dev/null
cmp -s "$work/installed.bmp" "$work/built.bmp" || fail "the installed exporter wrote another picture"
# and finds its writer modules for an SVG and a PNG.
(cd / && "$prefix/bin/boardsmith-export" "$source/samples/immortal.brd" "$work/installed.svg" >/dev/null) ||
  fail "the installed exporter wrote no SVG"
grep -q '<svg' "$work/installed.svg" || fail "the installed exporter's SVG is no SVG"
(cd / && "$prefix/bin/boardsmith-export" "$source/samples/immortal.brd" "$work/installed.png" >/dev/null) ||
  fail "the installed exporter wrote no PNG"
[ "$(head -c 4 "$work/installed.png" | tail -c 3)" = PNG ] || fail "the installed exporter's PNG is no PNG"

# The editor started in the home folder finds its images, cursors and help pages.
mkdir "$work/home"
found=$(cd "$work/home" && HOME=$work/home QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$work \
        "$prefix/bin/boardsmith" --check-files 2>&1) || fail "boardsmith --check-files: $found"
expected="boardsmith: files from $prefix/share/boardsmith: 15 of 15 board images, 16 of 16 cursors, 2 of 2 help pages"
[ "$found" = "$expected" ] || fail "boardsmith --check-files said: $found"

# The desktop entry and the file type of position files.
desktop-file-validate "$prefix/share/applications/boardsmith.desktop" || fail "the desktop entry"
# The software centres' metadata, offline (its screenshot lives on the project's site).
appstreamcli validate --no-net "$prefix/share/metainfo/example.boardsmith.boardsmith.metainfo.xml" >/dev/null ||
  fail "appstreamcli validate: the metainfo file"
grep -q '^License: GPL-3+$' "$prefix/share/doc/boardsmith/copyright" || fail "the copyright file names no licence"
out=$(XDG_DATA_DIRS=$prefix/share update-mime-database "$prefix/share/mime" 2>&1) && [ -z "$out" ] || fail "mime: $out"
grep -q '^50:application/x-boardsmith-position:\*\.brd$' "$prefix/share/mime/globs2" ||
  fail "no *.brd glob in globs2"
grep -q 'Boardsmith by Hallam Pryce <hallam.pryce@boardsmith.example>' "$prefix/share/mime/magic" ||
  fail "no banner in the magic rules"

# The manual pages render without warnings and name every option the programs' --help names.
for program in boardsmith boardsmith-export boardsmith-serve; do
  page=$prefix/share/man/man1/$program.1
  warnings=$(MANWIDTH=80 man --warnings -l "$page" 2>&1 >/dev/null)
  [ -z "$warnings" ] || fail "$program.1: $warnings"
  text=$(MANWIDTH=80 man -l "$page" 2>/dev/null | col -b)
  for option in $("$prefix/bin/$program" --help | grep -o -e '--[a-z][a-z-]*' | sort -u); do
    echo "$text" | grep -q -e "$option" || fail "$program.1 does not name $option"
  done
done
# The Debian package carries the copyright file and the metadata where Debian looks for them.
(cd "$build" && cpack -G DEB -B "$work/deb" >/dev/null 2>&1) || fail "cpack could not build the package"
listing=$(dpkg-deb -c "$work"/deb/boardsmith_*.deb)
for f in ./usr/share/doc/boardsmith/copyright ./usr/share/metainfo/example.boardsmith.boardsmith.metainfo.xml; do
  echo "$listing" | grep -q " $f\$" || fail "the package holds no $f"
done
echo "installation checked in $prefix"
