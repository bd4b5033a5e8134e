#!/usr/bin/env bash
# Pictures the window of the current build for the README: marlo --demo on the offscreen platform,
# in Japanese on its wireless and IP page (docs/main-window.png) and in English on its network page
# (docs/main-window-en.png).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2 --target marlo
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
for language in ja en; do
  mkdir "$scratch/$language"
  QT_QPA_PLATFORM=offscreen timeout 60 build/app/marlo --demo --lang "$language" --screenshots "$scratch/$language"
done
cp "$scratch/ja/tab-0.png" docs/main-window.png
cp "$scratch/en/tab-1.png" docs/main-window-en.png
echo "docs/main-window.png and docs/main-window-en.png pictured from $(git describe --always --dirty)"
