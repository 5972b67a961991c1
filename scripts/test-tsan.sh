#!/usr/bin/env bash
# Installs what is missing, builds with ThreadSanitizer the tests of code
# that runs on more than one thread (label "Threads": the link, the
# simulator, the transfers and the panel commands on their worker, orvane-cli
# against orvane-panelsim) and every Qt test (label "Gui": the desktop
# program, its dialogs and the virtual panel window on the offscreen
# platform, the transfer dialog and the simulated panel with their worker),
# and runs them. Qt itself is not instrumented: tests/tsan-suppressions.txt
# names the reports that lie wholly inside Qt's libraries.
#
# Only the targets those tests need are built, two jobs at a time, so that
# the run stays within a few minutes.
set -euo pipefail
cd "$(dirname "$0")/.."

jobs=2
./scripts/install-deps.sh
cmake -S . -B build/tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVANE_SANITIZER=thread
cmake --build build/tsan -j "$jobs" --target orvane_thread_tests orvane_gui_tests
ctest --test-dir build/tsan -L 'Threads|Gui' --output-on-failure -j "$jobs"
