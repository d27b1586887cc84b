#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# The install as a user gets it: cmake --install into a temporary prefix, the tree moved
# elsewhere (a relocated install), the installed taxilo-cli replaying the bundled answer set
# to XML exactly as the build tree's does, and the desktop files through their validators.
#   check_install.sh BUILD_DIR SOURCE_DIR VERSION BUILD_TREE_CLI
set -euo pipefail
build=$1 source=$2 version=$3 build_cli=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/usr" >/dev/null
# A moved tree must still find share/taxilo/ relative to bin/.
mv "$work/usr" "$work/moved"
prefix=$work/moved
app_id=pl.taxilo.Taxilo2016

for f in bin/taxilo-cli share/taxilo/scripts.pak share/taxilo/patterns.pak share/taxilo/licencja.rtf \
         share/taxilo/LICENSE share/taxilo/Dane/us.pit share/taxilo/Dane/opp.pit \
         share/taxilo/fonts/LICENSE-LiberationSans.txt share/taxilo/fonts/LICENSE-Carlito.txt \
         share/applications/$app_id.desktop share/mime/packages/taxilo.xml share/metainfo/$app_id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$app_id.svg share/icons/hicolor/48x48/apps/$app_id.png \
         share/icons/hicolor/256x256/apps/$app_id.png share/doc/taxilo/copyright; do
  [ -f "$prefix/$f" ] || fail "not installed: $f"
done
[ -d "$prefix/share/taxilo/Wzorce" ] || fail "not installed: share/taxilo/Wzorce/"
ls "$prefix"/share/man/man1/taxilo.1* "$prefix"/share/man/man1/taxilo-cli.1* >/dev/null || fail "manual pages missing"
cmp -s "$source/LICENSE" /usr/share/common-licenses/GPL-3 || fail "LICENSE is not the GPL-3 text"
grep -q 'Umowa licencyjna' "$prefix/share/taxilo/licencja.rtf" || fail "licencja.rtf has no title"

# The version, from the project version, in both programs.
[ "$("$prefix/bin/taxilo-cli" --version)" = "taxilo-cli $version" ] || fail "taxilo-cli --version"
if [ -x "$prefix/bin/taxilo" ]; then
  [ "$("$prefix/bin/taxilo" --version)" = "Taxilo 2016 $version" ] || fail "taxilo --version"
fi

# The bundled answer set (one employee, 50 000 zł, 1% to a foundation) replayed by the installed
# program without --base: the same document as the build tree's, with the hand-worked figures.
answers=$source/tests/install/zeznanie.dpit
"$prefix/bin/taxilo-cli" replay "$answers" xml PIT-37 > "$work/installed.xml"
"$build_cli" replay "$answers" xml PIT-37 > "$work/build-tree.xml"
cmp -s "$work/installed.xml" "$work/build-tree.xml" || fail "the installed program writes another PIT-37"
for row in '<P_129>2376</P_129>' '<P_137>0000030897</P_137>' '<P_138>36.2</P_138>' '<KodUrzedu>1471</KodUrzedu>'; do
  grep -qF "$row" "$work/installed.xml" || fail "PIT-37 lacks $row"
done
xmllint --noout "$work/installed.xml"

# Desktop integration files.
desktop-file-validate "$prefix/share/applications/$app_id.desktop"
appstreamcli validate --no-net "$prefix/share/metainfo/$app_id.metainfo.xml" > "$work/appstream.log" \
  || { cat "$work/appstream.log" >&2; fail "appstreamcli validate"; }
xmllint --noout "$prefix/share/mime/packages/taxilo.xml"
# The MIME database built from it maps both file endings to their types.
XDG_DATA_DIRS="$prefix/share:${XDG_DATA_DIRS:-/usr/local/share:/usr/share}" update-mime-database "$prefix/share/mime"
grep -qx 'application/x-taxilo-declaration:\*\.dpit' "$prefix/share/mime/globs" || fail "*.dpit not mapped"
grep -qx 'application/x-taxilo-worksheets:\*\.dpite' "$prefix/share/mime/globs" || fail "*.dpite not mapped"
grep -q "^MimeType=application/x-taxilo-declaration;" "$prefix/share/applications/$app_id.desktop" \
  || fail "the menu entry does not open .dpit files"
grep -q "<release version=\"$version\"" "$prefix/share/metainfo/$app_id.metainfo.xml" || fail "metainfo version"
# Manual pages format without warnings.
for page in "$prefix"/share/man/man1/*.1*; do
  out=$(LC_ALL=C.UTF-8 MANROFFSEQ='' MANWIDTH=80 man --warnings -E UTF-8 -l -Tutf8 -Z "$page" 2>&1 >/dev/null)
  [ -z "$out" ] || fail "manual page $page: $out"
done
echo "install check passed: $prefix"
