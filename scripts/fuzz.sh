#!/usr/bin/env bash
# Installs what is missing, builds the fuzz targets with clang, libFuzzer, AddressSanitizer and
# UndefinedBehaviorSanitizer in build-fuzz/, and runs each for a bounded time.
#   scripts/fuzz.sh [SECONDS] [TARGET...]   SECONDS per target (20), every target in fuzz/ by default
# Each target starts from a scratch copy of its seeds in fuzz/corpus/, so the tree's seeds stay as
# they are. A crash, a leak, a hang or a sanitizer report fails the run; its report and the input
# that caused it are printed.
set -euo pipefail
cd "$(dirname "$0")/.."
started=$SECONDS
seconds=${1:-20}
[ $# -gt 0 ] && shift
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=($(sed -n 's/^marlo_fuzz_target(\(fuzz_[a-z0-9_]*\).*/\1/p' fuzz/CMakeLists.txt))
fi

scripts/deps.sh
cmake -S . -B build-fuzz -G Ninja -DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ \
  -DMARLO_FUZZ=ON -DMARLO_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build build-fuzz -j2 --target "${targets[@]}"

scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
export ASAN_OPTIONS=detect_leaks=1
export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1

failed=()
for target in "${targets[@]}"; do
  corpus="$scratch/$target"
  mkdir -p "$corpus" "$scratch/findings-$target"
  cp fuzz/corpus/"$target"/* "$corpus"/
  log="$scratch/$target.log"
  if build-fuzz/fuzz/"$target" -max_total_time="$seconds" -timeout=10 -print_final_stats=1 \
    -dict=fuzz/record.dict -artifact_prefix="$scratch/findings-$target/" "$corpus" >"$log" 2>&1; then
    outcome="no finding"
  else
    outcome="FAILED"
    failed+=("$target")
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log")
  echo "$target: ${runs:-0} executions in ${seconds} s, $outcome"
  if [ "$outcome" = FAILED ]; then
    grep -v -E '^#[0-9]+|^INFO:' "$log" | tail -n 60
    for finding in "$scratch/findings-$target"/*; do
      [ -e "$finding" ] || continue
      echo "input $(basename "$finding"), $(stat -c %s "$finding") bytes, in base64 (base64 -d gives it back):"
      base64 -w 100 "$finding"
      echo "its first bytes:"
      od -A d -c "$finding" | head -n 20
    done
  fi
done

echo "fuzzing took $((SECONDS - started)) s"
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzz targets with findings: ${failed[*]}"
  exit 1
fi
