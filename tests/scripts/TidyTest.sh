#!/usr/bin/env bash
# scripts/tidy.py: a finding fails the run and names its place; a source found
# clean is not checked again until its object is rebuilt, one with findings is.
set -euo pipefail

script="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

project="$work/project" build="$work/project/build"
mkdir -p "$project/src" "$build"
printf "Checks: '-*,performance-no-automatic-move'\nWarningsAsErrors: '*'\n" >"$project/.clang-tidy"
printf '#include <string>\nstd::string Name() {\n    const std::string name = "a";\n    return name;\n}\n' \
  >"$project/src/Moved.cpp"
printf 'int Clean() { return 1; }\n' >"$project/src/Clean.cpp"
printf 'int Generated() { return 2; }\n' >"$build/Generated.cpp"
entries=()
for source in src/Moved.cpp src/Clean.cpp build/Generated.cpp; do
  object="$build/$(basename "$source").o"
  touch "$object"
  entries+=("{\"directory\": \"$build\", \"file\": \"$project/$source\",
             \"command\": \"c++ -std=c++20 -o $object -c $project/$source\"}")
done
(IFS=,; echo "[${entries[*]}]") >"$build/compile_commands.json"
run() { python3 "$script" "$project" "$build" --jobs 2 >"$work/said" 2>&1; }
said() { grep -q "$1" "$work/said" || fail "$2: $(cat "$work/said")"; }

run && fail "a finding passed"
said "src/Moved.cpp:4:12: error: .*performance-no-automatic-move" "the finding is not named"
said "checking 2 of 2 sources" "not the project's own two sources"

run && fail "a finding passed on the second run"
said "checking 1 of 2 sources" "the clean source was checked again"

sed -i 's/const std::string name/std::string name/' "$project/src/Moved.cpp"
touch "$build/Moved.cpp.o"
run || fail "the mended source still fails: $(cat "$work/said")"
run || fail "an unchanged run fails"
said "all 2 sources unchanged" "an unchanged source was checked again"

touch "$build/Clean.cpp.o" "$project/.clang-tidy"
run || fail "a rebuilt clean source fails"
said "checking 2 of 2 sources" "a new .clang-tidy did not recheck every source"
