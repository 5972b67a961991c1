#!/usr/bin/env bash
# Installs what is missing, builds the tests of code that runs on more than
# one thread (label "Threads": the link, the simulator, the transfers) with
# ThreadSanitizer, and runs them.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
cmake -S . -B build/tsan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DORVANE_SANITIZER=thread \
  -DORVANE_BUILD_GUI=OFF
cmake --build build/tsan --target orvane_thread_tests
ctest --test-dir build/tsan -L Threads --output-on-failure -j "$(nproc)"
