#!/usr/bin/env bash
# The main job on its built-in defaults, run from a build tree's staging folder.
set -euo pipefail
build_dir="${1:-build/release}"
cli="$build_dir/stage/bin/orvane-cli"

echo "== Installed PLC drivers"
"$cli" plc list
echo
echo "== Sample addresses through the SLC 500 driver"
"$cli" address validate --plc Brisko N7:0 3-N7:10/15 B3/100 T4:2.acc S:1 N8:0 || true
