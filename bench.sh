#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the optimised benchmarks and runs them. Not part of CI.
set -euo pipefail
cd "$(dirname "$0")"
tools/install-deps.sh
cmake --preset bench >/dev/null
cmake --build --preset bench -j "$(nproc)"
for b in build-bench/bench/bench_*; do
  [ -x "$b" ] && "$b" "$@"
done
