#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs what is missing, builds the test build (Debug, AddressSanitizer, UBSan) and runs every test.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
cmake --preset test >/dev/null
cmake --build --preset test -j "$(nproc)"
QT_QPA_PLATFORM=offscreen ctest --preset test -j "$(nproc)"
