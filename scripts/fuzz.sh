#!/usr/bin/env bash
# Builds the fuzz targets with clang and libFuzzer in build/fuzz and fuzzes
# one target, or every target in turn, for the given seconds each:
#   scripts/fuzz.sh [target|all] [seconds]
# The committed corpus only seeds a run; new entries go to a scratch copy in
# build/fuzz/scratch. Crash files land in build/fuzz/findings, and the script
# then exits non-zero.
set -euo pipefail

root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="$root/build/fuzz"
targets=(config_text archive_open projector_database rs232_database ir_database
         rs232_record_file rs232_exchange_file ir_record_file ir_exchange_file device_types find_pod
         image_download capture_pod)
chosen="${1:-all}"
seconds="${2:-60}"

if [ "$chosen" != all ] && [[ ! " ${targets[*]} " =~ " $chosen " ]]; then
  echo "unknown target '$chosen'; one of: all ${targets[*]}" >&2
  exit 2
fi
[ "$chosen" = all ] && run=("${targets[@]}") || run=("$chosen")

"$root/scripts/install-deps.sh"
if ! command -v clang++ >/dev/null; then
  echo "clang++ with libFuzzer is needed (Debian: apt-get install clang)" >&2
  exit 2
fi

cmake -S "$root" -B "$build" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
      -DTAVLO_FUZZ=ON -DTAVLO_BUILD_TESTS=OFF -DTAVLO_BUILD_BENCHMARKS=OFF >/dev/null
cmake --build "$build" --parallel "${TAVLO_BUILD_JOBS:-2}" --target "${run[@]/#/fuzz_}"

export ASAN_OPTIONS="${ASAN_OPTIONS:-detect_leaks=1}"
export UBSAN_OPTIONS="${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}"
mkdir -p "$build/findings"
status=0
for target in "${run[@]}"; do
  scratch="$build/scratch/$target"
  rm -rf "$scratch" "$build/tmp/$target"
  mkdir -p "$scratch" "$build/tmp/$target"
  cp "$root/fuzz/corpus/$target/"* "$scratch/"
  echo "== $target: $seconds s"
  # Each input's program folder is made here, so a crashed run leaves its
  # litter in build/fuzz and not in /tmp.
  if ! TMPDIR="$build/tmp/$target" "$build/fuzz/fuzz_$target" "$scratch" -max_total_time="$seconds" \
       -timeout=10 -print_final_stats=1 -artifact_prefix="$build/findings/$target-"; then
    echo "== $target: finding in $build/findings" >&2
    status=1
  fi
done
exit "$status"
