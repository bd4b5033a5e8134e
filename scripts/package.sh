#!/usr/bin/env bash
# Builds the Debian package in build/ (the build of scripts/test.sh), checks it with lintian, its
# dependencies, desktop entry, icons and AppStream metadata, and runs the packaged programs from a clean folder
# the package is unpacked into: marlo-cli --help, marlo --help, and marlo offscreen on the simulated
# device until it has pictured its three tabs.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/deps.sh

fail() {
  echo "package.sh: $*" >&2
  exit 1
}

cmake -S . -B build -G Ninja -DMARLO_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build -j2
rm -f build/marlo_*.deb
(cd build && cpack -G DEB)
deb=$(echo build/marlo_*_amd64.deb)
dpkg-deb --info "$deb"
# Debian's own checker: any error or warning fails the package.
lintian --fail-on error,warning "$deb" || fail "lintian has remarks on $deb"

# Every dependency and recommendation names a Debian package that deps.sh installed, so that apt
# would add the package alone.
plan=$(apt-get install --simulate "./$deb" 2>&1)
grep -q "^0 upgraded, 1 newly installed, 0 to remove" <<< "$plan" || fail "apt would not install $deb alone: $plan"
for needed in libqt6widgets6 libqt6gui6 libqt6core6 libudev1 libpugixml1v5; do
  grep -qw "$needed" <<< "$(dpkg-deb --field "$deb" Depends)" || fail "Depends lacks $needed"
done

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb --extract "$deb" "$root/tree"
bin=$root/tree/usr/bin
share=$root/tree/usr/share
app_id=io.github.marlo.marlo

desktop=$share/applications/$app_id.desktop
desktop-file-validate "$desktop"
grep -qx "Exec=marlo" "$desktop" || fail "the desktop entry does not start marlo"
grep -qx "Icon=$app_id" "$desktop" || fail "the desktop entry does not name the icon $app_id"
for icon in scalable/apps/$app_id.svg {16x16,32x32,48x48,64x64,128x128,256x256}/apps/$app_id.png; do
  [ -s "$share/icons/hicolor/$icon" ] || fail "no icon $icon"
done
# Fails on any remark, down to the pedantic ones.
appstream=$(appstreamcli validate-tree --no-net --pedantic "$root/tree") || fail "$appstream"
echo "$appstream"
if grep -qE "^ *[EWIP]: " <<< "$appstream"; then
  fail "appstreamcli has remarks"
fi
for page in marlo marlo-cli marlo-devsim; do
  gzip -dc "$share/man/man1/$page.1.gz" | grep -q "^\.SH NAME" || fail "no man page $page.1.gz"
done

for program in marlo marlo-cli marlo-devsim; do
  if readelf --dynamic "$bin/$program" | grep -qE "RPATH|RUNPATH"; then
    fail "$program has a library path"
  fi
done
usage=$(env -u DISPLAY "$bin/marlo-cli" --help)
grep -q "^  marlo-cli ports$" <<< "$usage" || fail "marlo-cli --help: $usage"
usage=$(env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM "$bin/marlo" --help)
grep -q -- "--demo" <<< "$usage" || fail "marlo --help: $usage"
reason=$("$bin/marlo-cli" --lang en read --port "$root/no-such-port" 2>&1 || true)
grep -q "^Port $root/no-such-port was not found" <<< "$reason" || fail "marlo-cli --lang en: $reason"
for language in ja en; do
  mkdir "$root/screenshots-$language"
  QT_QPA_PLATFORM=offscreen timeout 60 "$bin/marlo" --demo --lang $language --screenshots "$root/screenshots-$language"
  [ -s "$root/screenshots-$language/tab-2.png" ] || fail "marlo --lang $language pictured no tab"
done
echo "package.sh: $deb checked"
