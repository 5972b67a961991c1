#!/usr/bin/env bash
# Builds the Debian package, installs it on this machine, uses the installed
# programs as a user would (the drivers, a write and verify against the
# simulated panel, the desktop program started from its desktop entry on a
# virtual display, the file type, the man pages, the completion, the
# settings of a user), and removes it again, checking nothing is left.
# Needs root (dpkg). Pictures and logs go to build/release/package-check/.
set -euo pipefail
cd "$(dirname "$0")/.."
root="$(pwd)"

deb="$(./scripts/package.sh | tail -n 1)"
check="$root/build/release/package-check"
rm -rf "$check" && mkdir -p "$check"
work="$(mktemp -d)"
sim_pid=""
cleanup() {
  if [ -n "$sim_pid" ]; then kill -TERM "$sim_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "test-package: $*" >&2
  exit 1
}
step() { echo "== $*"; }

step "install $deb"
dpkg -i "$deb" >/dev/null || apt-get install -f -y -q >/dev/null
dpkg -s orvane | grep -q '^Status: install ok installed' || fail "the package did not install"
dpkg -L orvane | sort >"$check/files.txt"

step "layout"
for path in /usr/bin/orvane /usr/bin/orvane-cli /usr/bin/orvane-panelsim \
  /usr/lib/orvane/libcorvel.so /usr/lib/orvane/libverlin.so /usr/lib/orvane/orvane.ini \
  /usr/lib/orvane/driver/README /usr/share/orvane/standin/BriskoPanel.plx \
  /usr/share/orvane/standin/multiplexer.plx /usr/share/applications/org.orvane.Orvane.desktop \
  /usr/share/metainfo/org.orvane.Orvane.metainfo.xml /usr/share/mime/packages/orvane.xml \
  /usr/share/man/man1/orvane.1.gz /usr/share/man/man1/orvane-cli.1.gz \
  /usr/share/man/man1/orvane-panelsim.1.gz /usr/share/bash-completion/completions/orvane-cli; do
  [ -e "$path" ] || fail "$path is not installed"
done
[ "$(ls /usr/lib/orvane/dll/*.so | wc -l)" -eq 8 ] || fail "not eight plug-ins in /usr/lib/orvane/dll"
if ls /usr/lib/orvane/driver/*.pl? >/dev/null 2>&1; then
  fail "a driver image was installed into /usr/lib/orvane/driver"
fi

# Everything below runs as an ordinary user, with a home of its own.
user_home="$work/home"
mkdir -p "$user_home" && chown nobody "$user_home" "$work"
user=(setpriv --reuid=nobody --regid=nogroup --clear-groups env -i PATH=/usr/bin:/bin
  HOME="$user_home" LANG=C.UTF-8)
as_user() { "${user[@]}" "$@"; }

step "orvane-cli plc list"
as_user orvane-cli plc list | tee "$check/plc-list.txt"
[ "$(grep -c 'Rev' "$check/plc-list.txt")" -ge 8 ] || fail "plc list does not show eight drivers"

step "write and verify against orvane-panelsim"
cp examples/single-panel.ovx "$work/project.ovx" 2>/dev/null || cp "$(ls examples/*.ovx | head -n 1)" "$work/project.ovx"
chown nobody "$work/project.ovx"
model="$(as_user orvane-cli project info --json "$work/project.ovx" |
  python3 -c 'import json, sys; print(json.load(sys.stdin)["panels"][0]["model"])')"
# A simple command, so that $! is the simulator itself.
"${user[@]}" orvane-panelsim --model "$model" --link "$work/port" >"$work/sim.out" 2>&1 &
sim_pid=$!
for _ in $(seq 1 200); do grep -q '^Port: ' "$work/sim.out" && break; sleep 0.05; done
grep -q '^Port: ' "$work/sim.out" || fail "orvane-panelsim did not start: $(cat "$work/sim.out")"
# Without --simulator the installed program has no driver image to send:
# the stand-ins are for the simulated panel only.
if as_user orvane-cli panel write "$work/project.ovx" --port "$work/port" --quiet --yes 2>"$check/no-standin.txt"; then
  fail "a write without --simulator sent a stand-in image"
fi
grep -q '/usr/lib/orvane/driver/' "$check/no-standin.txt" || fail "the refusal does not name the driver folder"
as_user orvane-cli panel write "$work/project.ovx" --port "$work/port" --simulator --quiet --yes
as_user orvane-cli panel verify "$work/project.ovx" --port "$work/port" --simulator --quiet
kill -TERM "$sim_pid"
wait "$sim_pid" || fail "orvane-panelsim did not end cleanly"
sim_pid=""

step "the settings of a user"
as_user orvane-cli config port COM3 >/dev/null
as_user orvane-cli config port | grep -q COM3 || fail "the stored port did not read back"
grep -rq 'Port=COM3' "$user_home/.config" || fail "the user's value is not in ~/.config"
grep -q 'Port' /usr/lib/orvane/orvane.ini && fail "a user's value went into the install directory"
# Root too leaves the packaged install directory alone.
HOME="$work/roothome" orvane-cli config port COM2 >/dev/null
grep -q 'Port' /usr/lib/orvane/orvane.ini && fail "root's value went into the install directory"

step "the file type and the desktop entry"
grep -q 'application/x-orvane-project' /usr/share/mime/globs2 || fail "*.ovx is not a known file type"
desktop=/usr/share/applications/org.orvane.Orvane.desktop
exec_line="$(sed -n 's/^Exec=//p' "$desktop")"
grep -q 'application/x-orvane-project' /usr/share/applications/mimeinfo.cache ||
  fail "the desktop entry is not registered for .ovx"
command="${exec_line//%f/$work/project.ovx}"
as_user xvfb-run -a -s "-screen 0 1280x900x24" bash -c "
  $command & pid=\$!
  for _ in \$(seq 1 100); do
    xwininfo -root -tree 2>/dev/null | grep -q 'Orvane' && break
    sleep 0.1
  done
  sleep 5
  import -window root '$work/installed.png'
  kill -0 \$pid || exit 3
  kill \$pid; wait \$pid || true" || fail "orvane did not start from its desktop entry"
cp "$work/installed.png" "$check/installed.png"

step "man pages and completion"
for program in orvane orvane-cli orvane-panelsim orvane-virtual-panel; do
  zcat "/usr/share/man/man1/$program.1.gz" | grep -q '^\.SH' || fail "$program.1 is empty"
done
zcat /usr/share/man/man1/orvane-cli.1.gz | grep -q 'panel' || fail "orvane-cli.1 does not match --help"
completions="$(bash -c 'source /usr/share/bash-completion/completions/orvane-cli
  COMP_WORDS=(orvane-cli pa); COMP_CWORD=1; _orvane_cli; echo "${COMPREPLY[*]}"
  COMP_WORDS=(orvane-cli panel w); COMP_CWORD=2; _orvane_cli; echo "${COMPREPLY[*]}"
  COMP_WORDS=(orvane-cli panel write x --si); COMP_CWORD=4; _orvane_cli; echo "${COMPREPLY[*]}"')"
echo "$completions"
[ "$completions" = $'panel\nwrite\n--simulator' ] || fail "the completion does not follow --help"

step "remove"
dpkg --purge orvane >/dev/null
left=""
while read -r path; do
  if [ -f "$path" ] || [ -L "$path" ]; then left+="$path "; fi
done <"$check/files.txt"
[ -z "$left" ] || fail "left behind: $left"
[ ! -e /usr/lib/orvane ] || fail "/usr/lib/orvane is left behind: $(find /usr/lib/orvane)"
! grep -q 'application/x-orvane-project' /usr/share/mime/globs2 || fail "the file type is left behind"
echo "test-package: installed, used and removed cleanly ($deb)"
