#!/usr/bin/env bash
# The main job, run from a build tree's staging folder: the example project
# written into a simulated panel on a pseudo-terminal, read back, verified,
# and what the panel holds; then the multi-panel example written into a
# simulated multiplexer with its panels.
set -euo pipefail
build_dir="${1:-build/release}"
bin="$build_dir/stage/bin"
cli="$bin/orvane-cli"
panelsim="$bin/orvane-panelsim"
examples="$(cd "$(dirname "$0")/../examples" && pwd)"
work="$(mktemp -d)"
sim_pid=""

# Whatever ends the script, the simulator does not outlive it.
cleanup() {
  if [ -n "$sim_pid" ]; then
    kill -TERM "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "demo: $*" >&2
  exit 1
}

# Starts orvane-panelsim with a state file of the work folder (the first
# argument) and the other arguments on a link in the work folder, and waits
# until it says where it answers ("Port: ...").
start_sim() {
  local state="$work/$1"
  shift
  rm -f "$work/sim.out"
  "$panelsim" "$@" --link "$work/port" --state "$state" >"$work/sim.out" 2>"$work/sim.err" &
  sim_pid=$!
  for _ in $(seq 1 400); do
    if grep -q '^Port: ' "$work/sim.out"; then
      cat "$work/sim.out"
      return 0
    fi
    if ! kill -0 "$sim_pid" 2>/dev/null; then
      cat "$work/sim.err" >&2
      sim_pid=""
      fail "orvane-panelsim did not start"
    fi
    sleep 0.05
  done
  fail "orvane-panelsim did not show its port"
}

# Stops the simulator; it saves what the devices hold into its state file
# as it exits (while it runs, the file follows only once the line has been
# quiet for a while).
stop_sim() {
  kill -INT "$sim_pid"
  local status=0
  wait "$sim_pid" || status=$?
  sim_pid=""
  [ "$status" -eq 0 ] || fail "orvane-panelsim ended with exit status $status"
}

# Runs orvane-cli panel on the simulator's port, with the traces in the work
# folder; any exit status but 0 ends the demo.
panel() {
  "$cli" panel "$@" --port "$work/port" --simulator --trace-dir "$work" || fail "orvane-cli panel $1 failed"
}

# The model of each panel of a project: "1:4" (port:model), one per line.
panel_models() {
  "$cli" project info --json "$1" |
    python3 -c 'import json, sys; [print("%d:%d" % (p["port"], p["model"])) for p in json.load(sys.stdin)["panels"]]'
}

single="$examples/single-panel.ovx"
multi="$examples/multi-panel.ovx"

echo "== A panel of the model in $(basename "$single") on a pseudo-terminal"
model="$(panel_models "$single" | cut -d: -f2)"
start_sim panel.state --model "$model"
echo
echo "== Write the project into the panel"
panel write "$single" --yes
echo
echo "== The start of the trace (Write.txt)"
head -n 8 "$work/Write.txt"
echo
echo "== Read it back"
panel read -o "$work/read-back.ovx" --yes
echo
echo "== Verify the project file against the panel"
panel verify "$single"
echo
echo "== Information"
panel info --model "$model"
stop_sim
echo
echo "== What the panel holds"
"$panelsim" --dump --state "$work/panel.state"

echo
echo "== A multiplexer with the panels of $(basename "$multi")"
sim_args=(--multiplexer)
for entry in $(panel_models "$multi"); do
  sim_args+=(--panel "$entry")
done
start_sim multiplexer.state "${sim_args[@]}"
echo
echo "== Write the multi-panel project"
panel write "$multi" --yes
echo
echo "== The multiplexer's status, then the panel on port 2"
panel info --multi
panel info --mux-port 2 --model "$(panel_models "$multi" | grep '^2:' | cut -d: -f2)"
stop_sim
echo
echo "== What the multiplexer holds (first lines)"
"$panelsim" --dump --state "$work/multiplexer.state" >"$work/dump.txt"
head -n 25 "$work/dump.txt"
