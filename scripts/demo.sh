#!/usr/bin/env bash
# The main job on its built-in defaults, run from a build tree's staging folder:
# the installed PLC drivers, addresses checked through the SLC 500 driver, and
# the driver's default attribute file.
set -euo pipefail
build_dir="${1:-build/release}"
cli="$build_dir/stage/bin/orvane-cli"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# Runs address validate; each driver message is also printed to standard
# error as it is shown, which is left out here because the results carry it.
validate() {
  local status=0
  "$cli" address validate "$@" 2>/dev/null || status=$?
  echo "(exit status $status: $([ "$status" -eq 0 ] && echo "all valid" || echo "not all valid"))"
}

echo "== Installed PLC drivers"
"$cli" plc list
echo
echo "== Addresses as a read-only field of the program checks them (SLC 500 driver)"
validate --plc Brisko --access 1 N7:0 t4:2.acc S:1 B3/100 T4:0.DN N8:0 F8:0 32-N7:0 N7:256
echo
echo "== The driver's own check alone: bits, stations and canonical spelling"
validate --raw --plc 1:4 3-N7:10/15 5-b3/100 t4:0.dn r6:1.pos S:1 I:1/0 T4:0.XX
echo
echo "== As JSON"
validate --raw --json --plc 1:4 N7:0 N1000:0
echo
echo "== Default PLC attribute file of the SLC 500 driver"
"$cli" plc default-attributes Brisko -o "$work/brisko.atr"
echo "$(wc -c < "$work/brisko.atr") bytes:"
od -An -tx1 -v "$work/brisko.atr"
