#!/usr/bin/env bash
# Installs what is missing, builds Marlo and starts it on the simulated device.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2 --target marlo
exec build/app/marlo --demo "$@"
