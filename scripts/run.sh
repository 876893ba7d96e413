#!/usr/bin/env bash
# Installs what is missing, builds a release build and starts the editor;
# arguments are passed on (a configuration archive to open).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/release"

"$root/scripts/install-deps.sh"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTAVLO_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --parallel "${TAVLO_BUILD_JOBS:-$(nproc)}" --target tavlo-editor

# The data lives outside the build folder, which a clean build deletes.
if [ -z "${TAVLO_PROGRAM_FOLDER:-}" ]; then
  TAVLO_PROGRAM_FOLDER="$("$root/scripts/data-folder.sh" "$build/src/tavlo-editor")"
  export TAVLO_PROGRAM_FOLDER
fi
echo "The editor's data files: $TAVLO_PROGRAM_FOLDER" >&2

exec "$build/src/tavlo-editor" "$@"
