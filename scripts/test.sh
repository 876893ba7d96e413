#!/usr/bin/env bash
# Installs what is missing, checks that every source has the shape
# .clang-format gives, builds with AddressSanitizer and
# UndefinedBehaviorSanitizer (warnings are errors), runs clang-tidy's checks
# that .clang-tidy names (findings are errors) and runs every test.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TAVLO_TEST_BUILD_DIR:-$root/build/test}"
jobs="${TAVLO_BUILD_JOBS:-$(nproc)}"

"$root/scripts/install-deps.sh"

if ! (cd "$root" && find src tests benchmarks fuzz \( -name '*.cpp' -o -name '*.h' \) -print0 |
       xargs -0 clang-format --dry-run --Werror); then
  echo "These files differ from .clang-format; clang-format -i reshapes them." >&2
  exit 1
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Debug -DTAVLO_SANITIZE=ON -DTAVLO_WERROR=ON \
      -DTAVLO_BUILD_TESTS=ON -DTAVLO_BUILD_BENCHMARKS=ON -DCMAKE_EXPORT_COMPILE_COMMANDS=ON >/dev/null
cmake --build "$build" --parallel "$jobs"

python3 "$root/scripts/tidy.py" "$root" "$build" --jobs "$jobs"

export QT_QPA_PLATFORM=offscreen
export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
cd "$build"
ctest --output-on-failure --parallel "$jobs" --timeout 300
