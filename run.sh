#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the program folder build/bin/ and starts the program with
# the bundled script set.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"
if [ -x build/bin/taxilo ]; then
  exec build/bin/taxilo "$@"
fi
# Until the wizard is built, show what the program folder holds.
echo "Program folder build/bin/:"
ls -1 build/bin
echo
echo "scripts.pak:"
build/bin/taxilo-cli pak list build/bin/scripts.pak
