#!/usr/bin/env bash
# scripts/data-folder.sh: the user's data folder as the editor names it, into
# which the data that earlier runs kept in the build folder moves once, and
# never over data the user's folder holds already.
set -euo pipefail

script="$1"
editor="$2"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
export XDG_DATA_HOME="$work/data"
data="$work/data/Tavlo Editor"

# A build folder as scripts/run.sh left it before, and the empty "Defaults"
# that a first start in the user's folder makes.
build="$work/build"
mkdir -p "$build/Defaults" "$build/temp" "$build/CMakeFiles" "$data/Defaults"
ln -s "$editor" "$build/tavlo-editor"
user_files=(Projectors.DEF RS232Serials.DEF RS232Serials.BAK InfraRed.DAMAGED1
            "Software License Agreement.rtf" Defaults/room.tvd)
for file in "${user_files[@]}"; do echo "old $file" >"$build/$file"; done
touch "$build/Makefile"

for run in first second; do
  [ "$("$script" "$build/tavlo-editor" 2>"$work/said")" = "$data" ] || fail "$run run: another folder"
  for file in "${user_files[@]}"; do
    [ "$(cat "$data/$file" 2>/dev/null)" = "old $file" ] || fail "$run run: $file not in the data folder"
    [ ! -e "$build/$file" ] || fail "$run run: $file still in the build folder"
  done
  [ -f "$build/Makefile" ] && [ -d "$build/temp" ] && [ -d "$build/CMakeFiles" ] || fail "build output moved"
done
[ ! -s "$work/said" ] || fail "a run with nothing to move spoke: $(cat "$work/said")"

# Data in both folders: neither moves, and the user is told.
echo "old" >"$build/InfraRed.DEF"
"$script" "$build/tavlo-editor" >/dev/null 2>"$work/said"
[ "$(cat "$build/InfraRed.DEF")" = "old" ] && [ ! -e "$data/InfraRed.DEF" ] || fail "data moved over the user's"
grep -qF "Left the editor's data files in $build" "$work/said" || fail "the user was not told: $(cat "$work/said")"
