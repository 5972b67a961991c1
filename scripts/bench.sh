#!/usr/bin/env bash
# Measures the program and prints one table (docs/performance.md explains
# every row): transfers through orvane-panelsim pacing the line at its real
# rate, start-up, the largest project file, peak memory.
#
#   ./scripts/bench.sh [--runs N] [--no-build] [--skip-transfers] [BUILD_DIR]
#
# BUILD_DIR (default build/bench) is configured as a Release build with
# orvane-bench unless --no-build. --runs N repeats every measurement N times
# (default 3) and prints the median with the range. It takes a while: a run
# of the transfers is about four minutes of line time.
set -euo pipefail

runs=3
build=1
transfers=1
build_dir=build/bench
while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs="$2"; shift 2 ;;
    --no-build) build=0; shift ;;
    --skip-transfers) transfers=0; shift ;;
    --gui-inner) shift; gui_inner=1; break ;;
    -h|--help) sed -n '2,12p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) build_dir="$1"; shift ;;
  esac
done

here="$(cd "$(dirname "$0")/.." && pwd)"

# --- the desktop program's start, run inside xvfb-run ------------------------
# Arguments: orvane binary, log file, result file. Starts orvane, presses a
# key once the splash has been painted, waits for the welcome screen to be
# interactive, then ends the program.
if [ "${gui_inner:-0}" = 1 ]; then
  orvane_bin="$1" log="$2" result="$3"
  rm -f "$log"
  launched="$(date +%s.%N)"
  ORVANE_STARTUP_LOG="$log" /usr/bin/time -f "%M" -o "$result.rss" "$orvane_bin" \
    >/dev/null 2>"$result.err" &
  time_pid=$!
  wait_for() {
    for _ in $(seq 1 1000); do
      grep -q "^$1 " "$log" 2>/dev/null && return 0
      sleep 0.01
    done
    return 1
  }
  wait_for splash-painted || { echo "orvane did not show its splash" >&2; exit 1; }
  # The key goes to the splash, centred on the screen.
  xdotool mousemove 640 450
  pressed="$(date +%s.%N)"
  xdotool key space
  wait_for welcome-interactive || { echo "orvane did not show its welcome screen" >&2; exit 1; }
  app_pid="$(pgrep -P "$time_pid" || true)"
  [ -n "$app_pid" ] && kill -TERM "$app_pid"
  wait "$time_pid" || true
  python3 - "$log" "$launched" "$pressed" >"$result" <<'EOF'
import sys
stages = dict(line.split() for line in open(sys.argv[1]))
launched, pressed = float(sys.argv[2]), float(sys.argv[3])
print("%.1f %.1f" % ((float(stages["splash-painted"]) - launched) * 1000,
                     (float(stages["welcome-interactive"]) - pressed) * 1000))
EOF
  exit 0
fi

cd "$here"
if [ "$build" = 1 ]; then
  ./scripts/install-deps.sh
  cmake -S . -B "$build_dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DORVANE_BUILD_TESTS=OFF \
    -DORVANE_BUILD_BENCHMARKS=ON >/dev/null
  cmake --build "$build_dir" >/dev/null
fi
bin="$(cd "$build_dir/stage/bin" && pwd)"
for program in orvane-cli orvane-panelsim orvane-bench orvane; do
  [ -x "$bin/$program" ] || { echo "bench: $bin/$program is missing" >&2; exit 1; }
done

work="$(mktemp -d)"
sim_pid=""
cleanup() {
  if [ -n "$sim_pid" ]; then
    kill -TERM "$sim_pid" 2>/dev/null || true
    wait "$sim_pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
export XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data" XDG_CACHE_HOME="$work/cache"
results="$work/results"
: >"$results"

# The projects: the largest file (5 panels x 256 messages x 3 data items)
# and the largest that can be written (a panel takes 300 addresses: 290
# data items and its line registers), as a single panel and as five panels.
"$bin/orvane-bench" make-project --panels 5 --messages 256 --items 3 -o "$work/largest.ovx"
"$bin/orvane-bench" make-project --panels 1 --messages 256 --items 3 --items-per-panel 290 \
  -o "$work/single.ovx"
"$bin/orvane-bench" make-project --panels 5 --messages 256 --items 3 --items-per-panel 290 \
  -o "$work/five.ovx"

# CPU seconds (user + system) a running process has used so far.
cpu_of() {
  awk -v hz="$(getconf CLK_TCK)" '{ print ($14 + $15) / hz }' "/proc/$1/stat"
}

start_sim() {
  "$bin/orvane-panelsim" "$@" --line-rate --link "$work/port" >"$work/sim.out" 2>"$work/sim.err" &
  sim_pid=$!
  for _ in $(seq 1 400); do
    grep -q '^Port: ' "$work/sim.out" && return 0
    kill -0 "$sim_pid" 2>/dev/null || { cat "$work/sim.err" >&2; exit 1; }
    sleep 0.05
  done
  echo "bench: orvane-panelsim did not start" >&2
  exit 1
}

stop_sim() {
  grep VmHWM "/proc/$sim_pid/status" | awk '{ print "memory panelsim", $2 }' >>"$results"
  kill -INT "$sim_pid"
  wait "$sim_pid" || true
  sim_pid=""
}

# Bytes on the line in a trace file (every frame sent and received), and
# the receives that got no byte at all: each of those waited out the read
# time-out.
wire_bytes() {
  python3 - "$1" <<'EOF'
import sys
count = silent = 0
lines = open(sys.argv[1], encoding="latin-1").read().split("\n")
for i, line in enumerate(lines):
    if line == "Panel said:":
        after = lines[i + 1] if i + 1 < len(lines) else ""
        if after == "" or after.startswith("-- ") or after.endswith(":"):
            silent += 1
    if line.startswith("-- ") or line.endswith(":"):
        continue
    count += len(line.split())
print(count, silent)
EOF
}

# transfer NAME BAUD write|read FILE: one operation, timed as a whole
# process, its wire time from its trace, the simulator's CPU meanwhile.
transfer() {
  local name="$1" baud="$2" operation="$3" file="$4" trace
  local sim_before sim_after
  sim_before="$(cpu_of "$sim_pid")"
  if [ "$operation" = write ]; then
    trace=Write.txt
    /usr/bin/time -f "%e %U %S %M" -o "$work/cli.time" "$bin/orvane-cli" panel write "$file" \
      --port "$work/port" --simulator --yes --quiet --trace-dir "$work" >/dev/null 2>"$work/cli.err" ||
      { cat "$work/cli.err" >&2; exit 1; }
  else
    trace=Read.txt
    /usr/bin/time -f "%e %U %S %M" -o "$work/cli.time" "$bin/orvane-cli" panel read \
      -o "$work/read-back.ovx" --port "$work/port" --simulator --yes --quiet \
      --trace-dir "$work" >/dev/null 2>"$work/cli.err" || { cat "$work/cli.err" >&2; exit 1; }
  fi
  sim_after="$(cpu_of "$sim_pid")"
  read -r wall user sys rss <"$work/cli.time"
  echo "transfer $name-$operation $baud $wall $user $sys $(wire_bytes "$work/$trace") \
$sim_before $sim_after" >>"$results"
  echo "memory cli $rss" >>"$results"
}

if [ "$transfers" = 1 ]; then
  for run in $(seq 1 "$runs"); do
    echo "bench: transfers, run $run of $runs" >&2
    start_sim --model 4
    transfer single-panel 9600 write "$work/single.ovx"
    transfer single-panel 9600 read "$work/single.ovx"
    stop_sim
    start_sim --multiplexer --panel 1:4 --panel 2:4 --panel 3:4 --panel 4:4 --panel 5:4
    transfer five-panels 38400 write "$work/five.ovx"
    transfer five-panels 38400 read "$work/five.ovx"
    stop_sim
  done
fi

echo "bench: in-process benchmarks" >&2
ORVANE_BENCH_PROJECT="$work/largest.ovx" /usr/bin/time -f "%M" -o "$work/bench.rss" \
  "$bin/orvane-bench" --benchmark_repetitions="$runs" --benchmark_format=json \
  --benchmark_min_time=0.5 >"$work/bench.json"
python3 - "$work/bench.json" >>"$results" <<'EOF'
import json, sys
for b in json.load(open(sys.argv[1]))["benchmarks"]:
    if b.get("run_type") == "iteration":
        print("inprocess", b["run_name"].split("/")[0], b["real_time"])
EOF
echo "memory bench $(tail -n 1 "$work/bench.rss")" >>"$results"

echo "bench: the desktop program's start" >&2
for run in $(seq 1 "$runs"); do
  xvfb-run -a -s "-screen 0 1280x900x24" "$here/scripts/bench.sh" --gui-inner \
    "$bin/orvane" "$work/startup.log" "$work/gui.result"
  echo "gui $(cat "$work/gui.result")" >>"$results"
  echo "memory orvane $(tail -n 1 "$work/gui.result.rss")" >>"$results"
done

python3 - "$results" "$runs" <<'EOF'
import os, statistics, sys

rows = [line.split() for line in open(sys.argv[1])]
runs = sys.argv[2]

def spread(values, fmt):
    values = sorted(values)
    text = fmt % statistics.median(values)
    if len(values) > 1:
        text += " (" + fmt % values[0] + "–" + fmt % values[-1] + ")"
    return text

print("Orvane benchmarks: median (min–max) of %s runs on %d processors" % (runs, os.cpu_count()))
print()
transfers = {}
for row in rows:
    if row[0] == "transfer":
        name, baud, wall, user, sys_, wire, silent, sim0, sim1 = row[1:]
        wire_s = int(wire) * 10 / int(baud)
        # The program's own waits: 50 ms before the final stage, and the
        # read time-out (10 + 2500 ms) of every receive that got nothing.
        waits_s = 0.05 + 2.51 * int(silent)
        entry = transfers.setdefault((name, baud), {"wire": wire_s, "waits": waits_s,
                                                    "r": [], "c": [], "s": [], "w": []})
        entry["w"].append(float(wall))
        entry["r"].append(float(wall) / (wire_s + waits_s))
        entry["c"].append(100 * (float(user) + float(sys_)) / float(wall))
        entry["s"].append(100 * (float(sim1) - float(sim0)) / float(wall))
if transfers:
    print("| Transfer | Baud | Wire s | Waits s | Wall s | Wall / (wire + waits) | CPU / wall (orvane-cli) | CPU / wall (panelsim) |")
    print("|---|---|---|---|---|---|---|---|")
    for (name, baud), e in transfers.items():
        print("| %s | %s | %.2f | %.2f | %s | %s | %s | %s |" % (
            name.replace("-", " ", 1).replace("-", " "), baud, e["wire"], e["waits"], spread(e["w"], "%.2f"),
            spread(e["r"], "%.3f"), spread(e["c"], "%.2f %%"), spread(e["s"], "%.2f %%")))
    print()

inproc = {}
for row in rows:
    if row[0] == "inprocess":
        inproc.setdefault(row[1], []).append(float(row[2]))
gui = [(float(r[1]), float(r[2])) for r in rows if r[0] == "gui"]
print("| Start-up and files | Time |")
print("|---|---|")
labels = {"BM_DiscoverDrivers": "plug-in discovery, all drivers",
          "BM_LoadAndValidate": "load + re-validate, 5 × 256 × 3 project",
          "BM_Save": "save, 5 × 256 × 3 project"}
for key in ("BM_DiscoverDrivers",):
    if key in inproc:
        print("| %s | %s |" % (labels[key], spread(inproc[key], "%.2f ms")))
if gui:
    print("| orvane: launch to splash painted | %s |" % spread([g[0] for g in gui], "%.0f ms"))
    print("| orvane: key on the splash to welcome screen interactive | %s |" %
          spread([g[1] for g in gui], "%.0f ms"))
for key in ("BM_LoadAndValidate", "BM_Save"):
    if key in inproc:
        print("| %s | %s |" % (labels[key], spread(inproc[key], "%.2f ms")))
print()

memory = {}
for row in rows:
    if row[0] == "memory":
        memory[row[1]] = max(memory.get(row[1], 0), int(row[2]))
names = {"cli": "orvane-cli (write, read)", "panelsim": "orvane-panelsim",
         "orvane": "orvane (to the welcome screen)", "bench": "orvane-bench"}
print("| Program | Peak memory |")
print("|---|---|")
for key in ("cli", "panelsim", "orvane", "bench"):
    if key in memory:
        print("| %s | %.1f MB |" % (names[key], memory[key] / 1024))
EOF
