#!/usr/bin/env bash
# Builds the Debian package of Orvane (a release build without tests, its
# man pages from the programs' --help) and checks it with lintian.
# It shares build/release with the run command; the package lands there and
# its path is the last line printed.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh --packaging
build=build/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_BUILD_TESTS=OFF \
  -DORVANE_PACKAGE=ON >/dev/null
cmake --build "$build"
(cd "$build" && cpack -G DEB >/dev/null)
deb="$(ls -t "$build"/orvane_*.deb | head -n 1)"

# Errors fail the build; warnings are shown.
lintian --fail-on error "$deb"
desktop-file-validate packaging/linux/org.orvane.Orvane.desktop
appstreamcli validate --no-net --explain packaging/linux/org.orvane.Orvane.metainfo.xml >/dev/null
echo "$deb"
