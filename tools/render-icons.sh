#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Renders the program's icon packaging/icons/taxilo.svg into the PNG sizes that are installed
# beside it (packaging/icons/taxilo-<size>.png). Run after changing the SVG; needs rsvg-convert
# (Debian package librsvg2-bin).
set -euo pipefail
cd "$(dirname "$0")/../packaging/icons"
for size in 16 24 32 48 64 128 256; do
  rsvg-convert -w "$size" -h "$size" taxilo.svg -o "taxilo-$size.png"
done
