#!/usr/bin/env bash
# Installs every Debian package the build, the tests, the demo, the screenshots and the Debian
# package's build and checks (scripts/package.sh) need; with --windows also the MinGW-w64 cross
# compiler, Wine and GoogleTest's sources for the Windows build.
# Does nothing when all of them are present already.
set -euo pipefail

packages=(
  cmake ninja-build g++ pkg-config clang libclang-rt-14-dev clang-format clang-tidy
  qt6-base-dev qt6-base-dev-tools qt6-l10n-tools libudev-dev libpugixml-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  qt6-translations-l10n libxml2-utils fonts-noto-cjk xvfb xauth
  dpkg-dev file desktop-file-utils appstream lintian
  ansible-core
)
if [ "${1:-}" = "--windows" ]; then
  packages+=(g++-mingw-w64-x86-64-posix wine64 googletest)
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0

sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
$sudo apt-get update
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y --no-install-recommends "${missing[@]}"
