#!/usr/bin/env bash
# Installs what is missing, builds everything and runs every test.
#   scripts/test.sh              GCC, warnings as errors, build/
#   scripts/test.sh --sanitize   clang with AddressSanitizer and UndefinedBehaviorSanitizer, build-asan/
#   scripts/test.sh --thread     clang with ThreadSanitizer, build-tsan/
#   scripts/test.sh --windows    MinGW-w64 for Windows, build-windows/, run under Wine (scripts/windows-checks.sh)
set -euo pipefail
cd "$(dirname "$0")/.."

if [ "${1:-}" = "--windows" ]; then
  scripts/deps.sh --windows
  exec scripts/windows-checks.sh
fi
scripts/deps.sh

if [ "${1:-}" = "--sanitize" ]; then
  dir=build-asan
  args=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DMARLO_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
  export ASAN_OPTIONS=detect_leaks=1:abort_on_error=1
  export LSAN_OPTIONS="suppressions=$PWD/tests/lsan.supp"
  export UBSAN_OPTIONS=halt_on_error=1:print_stacktrace=1
elif [ "${1:-}" = "--thread" ]; then
  dir=build-tsan
  args=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DMARLO_THREAD_SANITIZE=ON -DCMAKE_BUILD_TYPE=Debug)
  export TSAN_OPTIONS="halt_on_error=1 second_deadlock_stack=1 suppressions=$PWD/tests/tsan.supp"
else
  dir=build
  args=(-DCMAKE_BUILD_TYPE=RelWithDebInfo)
fi

cmake -S . -B "$dir" -G Ninja -DMARLO_WERROR=ON "${args[@]}"
cmake --build "$dir" -j2
QT_QPA_PLATFORM=offscreen ctest --test-dir "$dir" --output-on-failure --no-tests=error -j2
