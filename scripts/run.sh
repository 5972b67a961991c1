#!/usr/bin/env bash
# Installs what is missing, builds the programs and runs the main job.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/install-deps.sh
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_BUILD_TESTS=OFF
cmake --build build/release
./scripts/demo.sh build/release
