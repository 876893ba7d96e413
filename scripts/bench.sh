#!/usr/bin/env bash
# Installs what is missing, builds the benchmarks in Release and runs each in
# turn, then prints what every one measured against its aim, side by side,
# with the machine's load before and after: the ratios are timed pair by
# pair, so a busy machine moves them less than the waits in milliseconds.
# Arguments are passed to every benchmark (--benchmark_repetitions=5, say);
# each one's whole output is kept in build/bench/results.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${TAVLO_BENCH_BUILD_DIR:-$root/build/bench}"
results="$build/results"

"$root/scripts/install-deps.sh"

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=Release -DTAVLO_BUILD_TESTS=OFF -DTAVLO_BUILD_BENCHMARKS=ON >/dev/null
cmake --build "$build" --parallel "${TAVLO_BUILD_JOBS:-$(nproc)}" >&2

# Widgets need no screen.
export QT_QPA_PLATFORM="${QT_QPA_PLATFORM:-offscreen}"
mkdir -p "$results"
load_before="$(cut -d' ' -f1-3 /proc/loadavg)"
names=()
failed=()
for source in "$root"/benchmarks/*.cpp; do
  name="$(basename "$source" .cpp)"
  names+=("$name")
  echo "Running $name" >&2
  # The reporters colour their tables whatever they are told: the colours are taken out.
  # One benchmark that fails does not keep the others from running.
  if ! "$build/benchmarks/$name" "$@" 2>"$results/$name.log" | sed 's/\x1b\[[0-9;]*m//g' >"$results/$name.txt"; then
    failed+=("$name")
  fi
done

# Each benchmark prints its table, then, after an empty line, its ratios
# beside their aims.
for name in "${names[@]}"; do
  echo
  echo "== $name"
  awk 'table && /^$/ { summary = 1 } /^-+$/ { table = 1 } summary' "$results/$name.txt"
done

echo
echo "Load average (1, 5, 15 min) before: $load_before; after: $(cut -d' ' -f1-3 /proc/loadavg); $(nproc) processors"
missed="$({ grep -l 'aim(s) missed' "$results"/*.txt || true; } | xargs -r -n1 basename | sed 's/\.txt$//' | tr '\n' ' ')"
if [ -n "$missed" ]; then echo "Aims missed in: $missed"; fi
if [ "${#failed[@]}" -gt 0 ]; then
  echo "Failed, their errors in $results/NAME.log: ${failed[*]}"
  exit 1
fi
if [ -z "$missed" ]; then echo "Every aim met."; fi
