#!/usr/bin/env bash
# Runs the checks of .clang-tidy on every source file of the program, with the compile commands of
# build/ (scripts/test.sh makes it); fails on any finding.
set -euo pipefail
cd "$(dirname "$0")/.."
run-clang-tidy -p build -quiet -j 2 "^$PWD/(record|device|sim|cli|ui|app|pages)/[^/]*\.cpp\$" > build/tidy.log 2>&1 || {
  grep -E "warning:|error:" -A3 build/tidy.log
  exit 1
}
echo "clang-tidy: no finding"
