#!/usr/bin/env bash
# `cmake --install` of a build lays out the program, its desktop entry, its
# icon and the types of its files, in the shape the desktop's tools accept.
set -euo pipefail

build="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

DESTDIR="$work/stage" cmake --install "$build" --prefix /usr >/dev/null
prefix="$work/stage/usr"
desktop="$prefix/share/applications/tavlo-editor.desktop"
icon="$prefix/share/icons/hicolor/scalable/apps/tavlo-editor.svg"
types="$prefix/share/mime/packages/tavlo-editor.xml"

[ -x "$prefix/bin/tavlo-editor" ] || fail "no executable bin/tavlo-editor"
for file in "$desktop" "$icon" "$types"; do [ -f "$file" ] || fail "not installed: ${file#"$prefix"/}"; done

# The installed program runs on its own: it names its data folder and ends.
[ "$(XDG_DATA_HOME="$work/data" "$prefix/bin/tavlo-editor" --user-data-folder)" = "$work/data/Tavlo Editor" ] ||
  fail "the installed program does not run"

report="$(desktop-file-validate "$desktop" 2>&1)" || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
grep -qx 'Exec=/usr/bin/tavlo-editor %f' "$desktop" ||
  fail "the entry does not pass the file to the installed program: $(grep '^Exec=' "$desktop")"
grep -qx 'Icon=tavlo-editor' "$desktop" || fail "the entry names another icon"
xmllint --noout "$icon" || fail "the icon is no well-formed SVG"
xmllint --noout "$types" || fail "the type declarations are no well-formed XML"

# The entry offers the editor for exactly the types the package declares.
declared="$(xmllint --xpath '//*[local-name()="mime-type"]/@type' "$types" | grep -o '"[^"]*"' | tr -d '"' | sort)"
offered="$(sed -n 's/^MimeType=//p' "$desktop" | tr ';' '\n' | sed '/^$/d' | sort)"
[ "$declared" = "$offered" ] || fail "declared types [$declared] differ from offered [$offered]"

# The desktop's type database built from the package alone: each extension
# in any case, each type a ZIP archive.
report="$(update-mime-database "$prefix/share/mime" 2>&1)" || fail "update-mime-database: $report"
for pair in tvl:application/x-tavlo-configuration tvd:application/x-tavlo-default-configuration; do
  extension="${pair%%:*}" type="${pair#*:}"
  grep -qx "[0-9]*:$type:\*\.$extension" "$prefix/share/mime/globs2" || fail "no glob *.$extension for $type"
  if grep -q "^[0-9]*:$type:.*:cs" "$prefix/share/mime/globs2"; then fail "$type cares for the case"; fi
  grep -qx "$type application/zip" "$prefix/share/mime/subclasses" || fail "$type is no ZIP archive"
done

# Installed for one user, in a home whose name has a blank: the entry names
# the program where it lies, whether or not that folder is on PATH.
home="$work/home of user"
cmake --install "$build" --prefix "$home/.local" >/dev/null
entry="$home/.local/share/applications/tavlo-editor.desktop"
grep -qxF "Exec=\"$home/.local/bin/tavlo-editor\" %f" "$entry" ||
  fail "the user's entry names another program: $(grep '^Exec=' "$entry")"
report="$(desktop-file-validate "$entry" 2>&1)" || fail "desktop-file-validate: $report"
[ -z "$report" ] || fail "desktop-file-validate: $report"
[ -x "$home/.local/bin/tavlo-editor" ] || fail "no program where the user's entry points"
