#!/usr/bin/env bash
# Installs what is missing, builds the programs and runs the main job: the
# desktop program when a display is there to show it, otherwise the
# command-line demo against the device simulator.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_BUILD_TESTS=OFF
cmake --build build/release

orvane=build/release/stage/bin/orvane

# A display is usable when one is named and the program can reach it (it
# ends at once when it cannot). Qt's offscreen platform is no display.
display_usable() {
  [ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ] || return 1
  [ "${QT_QPA_PLATFORM:-}" != "offscreen" ] || return 1
  timeout 20 "$orvane" --check-display >/dev/null 2>&1
}

if display_usable; then
  echo "Starting the desktop program: $orvane $*"
  exec "$orvane" "$@"
fi

echo "No usable display: running the command-line demo instead."
echo "To start the desktop program, run $orvane on a desktop session"
echo "(or under a virtual display: xvfb-run -a $orvane)."
echo
./scripts/demo.sh build/release
