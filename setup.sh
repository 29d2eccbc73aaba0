#!/bin/sh
# Boardsmith on a fresh Debian 12: installs make (as root, or through sudo), then lets the
# Makefile install the packages it lists, build, and run the program or the tests.
#   ./setup.sh run     build and start Boardsmith
#   ./setup.sh test    build and run every test
# Any other make target works too (test-sanitize, install, deb ...).
set -eu
cd "$(dirname "$0")"
if [ $# -eq 0 ]; then
  echo "usage: ./setup.sh run|test|MAKE-TARGET..." >&2
  exit 2
fi
if [ "$(id -u)" = 0 ]; then
  sudo=""
elif command -v sudo >/dev/null 2>&1; then
  sudo=sudo
else
  echo "setup.sh: installing packages needs root or sudo; run it as root or install sudo" >&2
  exit 1
fi
if ! command -v make >/dev/null 2>&1; then
  echo "Installing: make"
  $sudo apt-get update
  $sudo env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends make
fi
exec make "$@"
