#!/usr/bin/env bash
# Installs what is missing, builds a release build and starts the editor;
# arguments are passed on (a configuration archive to open).
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/release"

"$root/scripts/install-deps.sh"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTAVLO_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" --parallel "$(nproc)" --target tavlo-editor

exec "$build/src/tavlo-editor" "$@"
