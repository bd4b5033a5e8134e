#!/usr/bin/env bash
# Rewrites what marlo-cli is expected to print for every record under tests/data (tests/data/expected)
# from the current build, then shows what changed: read it over before committing it.
set -euo pipefail
cd "$(dirname "$0")/.."
cmake -S . -B build -G Ninja -DMARLO_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2 --target marlo_cli_tests
LANGUAGE=ja MARLO_REGENERATE_EXPECTED=1 build/tests/cli/marlo_cli_tests --gtest_filter='ExpectedOutputs.*'
git status --short tests/data/expected
git diff --stat tests/data/expected
