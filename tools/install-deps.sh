#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs every Debian package that the build, the tests and the program need.
# Idempotent: installs only what is missing. Works as root or through sudo.
set -euo pipefail

packages=(
  build-essential cmake ninja-build pkg-config
  qt6-base-dev qt6-base-dev-tools libgl-dev
  libsqlite3-dev
  libgtest-dev libgmock-dev googletest libbenchmark-dev
  libxml2-utils
  clang libclang-rt-14-dev
  xvfb xauth imagemagick poppler-utils
  fonts-liberation fonts-crosextra-carlito fonts-dejavu-core
  qt6-translations-l10n
  # the pattern generator of tools/gen_row_pattern.py, checked by the tests
  python3
  # the validators of the install check (tests/install)
  desktop-file-utils appstream shared-mime-info man-db
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

SUDO=""
if [ "$(id -u)" -ne 0 ]; then
  command -v sudo >/dev/null || { echo "install-deps: run as root or install sudo: ${missing[*]}" >&2; exit 1; }
  SUDO="sudo"
fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
$SUDO apt-get update -qq
$SUDO apt-get install -y -qq --no-install-recommends "${missing[@]}"
