#!/usr/bin/env bash
# Pictures of the desktop program on a virtual X display: the splash and the
# welcome screen as the whole screen shows them (ImageMagick's import), the
# stages of the input tests (a new project set up as a multi-panel system
# with three panels; a model 3 and a set point project made in the setup
# editors; a project made in the message editor) and every setup editor's
# dialog and the message editor, as the program's windows draw them.
#
#   scripts/screenshots.sh [BUILD_DIR] [OUT_DIR]
#
# BUILD_DIR (default build/dev) must hold a build with tests; OUT_DIR
# defaults to BUILD_DIR/screenshots.
set -euo pipefail
cd "$(dirname "$0")/.."

build=${1:-build/dev}
out=${2:-$build/screenshots}
mkdir -p "$out"
out=$(cd "$out" && pwd)
build=$(cd "$build" && pwd)

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
export HOME="$work" XDG_CONFIG_HOME="$work/config" XDG_DATA_HOME="$work/data"
export XDG_RUNTIME_DIR="$work/run" TMPDIR="$work"
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
export QT_QPA_PLATFORM=xcb ORVANE_INSTALL_DIR="$build/stage/lib/orvane"
export ORVANE_TEST_DATA="$PWD/tests/data" ORVANE_STAGE_BIN="$build/stage/bin"
# A sanitizer build leaks nothing of ours, but Qt's start-up allocations
# would be reported when the program is ended from outside.
export ASAN_OPTIONS=detect_leaks=0

# The program as it starts, on the whole screen (xvfb-run runs the command
# through sh, so the steps travel as a script).
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  "$0/stage/bin/orvane" &
  pid=$!
  sleep 2
  import -window root "$1/screen-splash.png"
  sleep 4
  import -window root "$1/screen-welcome.png"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
' "$build" "$out"
for test in app/desktop_input_tests app/editor_input_tests app/message_editor_input_tests \
  app/panel_dialog_input_tests view/setup_dialog_tests view/message_dialog_tests; do
  ORVANE_SCREENSHOT_DIR="$out" xvfb-run -a -s "-screen 0 1280x900x24" \
    "$build/tests/$test" >/dev/null
done
ls "$out"
