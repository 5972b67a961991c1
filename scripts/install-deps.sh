#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the demo need, when
# any of them is missing. Safe to run again: it installs nothing when all are
# present.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config git
  qt6-base-dev qt6-serialport-dev libgl-dev
  libgtest-dev libgmock-dev
  xvfb xauth imagemagick
  # scripts/bench.sh: Google Benchmark and the key it presses on the splash
  libbenchmark-dev xdotool
  srecord binutils
  # scripts/test-fuzz.sh: the libFuzzer targets are built with clang
  clang libclang-rt-14-dev
  python3 locales
  # the documentation report: its tests read PDFs (pdftotext); Liberation
  # Sans prints where the report asks for Arial, with Arial's widths
  poppler-utils fonts-liberation
)
# scripts/package.sh and scripts/test-package.sh: the Debian package, its
# man pages and its check.
if [ "${1:-}" = "--packaging" ]; then
  packages+=(dpkg-dev fakeroot file help2man lintian desktop-file-utils appstream x11-utils)
fi

missing=()
for package in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$package" 2>/dev/null | grep -q "install ok installed"; then
    missing+=("$package")
  fi
done

if [ ${#missing[@]} -eq 0 ]; then
  exit 0
fi

echo "Installing: ${missing[*]}" >&2
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
  sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -q
"${sudo_cmd[@]}" apt-get install -y -q --no-install-recommends "${missing[@]}"
