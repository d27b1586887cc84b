#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Gives every source file the licence line "SPDX-License-Identifier: GPL-3.0-or-later" as a
# comment in its first lines: C++ (.cpp .h), CMake (CMakeLists.txt, .cmake) and shell scripts
# (.sh and the extensionless scripts with a shebang). Re-run it after adding files.
#   tools/spdx-headers.sh          adds the line where it is missing
#   tools/spdx-headers.sh --check  lists the files without it and fails when there are any
set -euo pipefail
cd "$(dirname "$0")/.."
tag='SPDX-License-Identifier: GPL-3.0-or-later'
check=0
[ "${1:-}" = "--check" ] && check=1

source_files() {
  find src tests tools bench data packaging .ci -type f \
       \( -name '*.cpp' -o -name '*.h' -o -name '*.cmake' -o -name CMakeLists.txt -o -name '*.sh' -o -path .ci/run \) \
       -not -path 'tests/fuzz/corpus/*' -print 2>/dev/null
  for f in CMakeLists.txt run.sh test.sh bench.sh; do [ -f "$f" ] && echo "$f"; done
}

missing=0
while IFS= read -r file; do
  head -n 3 "$file" | grep -qF "$tag" && continue
  if [ $check -eq 1 ]; then
    echo "no SPDX licence line: $file"
    missing=$((missing + 1))
    continue
  fi
  case "$file" in
    *.cpp|*.h) line="// $tag" ;;
    *)         line="# $tag" ;;
  esac
  if head -n 1 "$file" | grep -q '^#!'; then
    # After the shebang, which must stay the first line.
    { head -n 1 "$file"; echo "$line"; tail -n +2 "$file"; } > "$file.spdx"
  else
    { echo "$line"; cat "$file"; } > "$file.spdx"
  fi
  chmod --reference="$file" "$file.spdx"
  mv "$file.spdx" "$file"
  echo "added: $file"
done < <(source_files | sort -u)

if [ $check -eq 1 ] && [ $missing -gt 0 ]; then
  echo "$missing source files without the SPDX licence line; run tools/spdx-headers.sh" >&2
  exit 1
fi
exit 0
