#!/usr/bin/env bash
# Builds the Qt-free core, marlo-cli and their tests for 64-bit Windows with MinGW-w64 in
# build-windows/, and marlo-devsim and the Linux marlo-cli in build-win-linux/; then runs the Windows
# programs under Wine against simulated devices, each served on a pseudo-terminal that a COM port of
# a fresh Wine prefix (build-windows/wine) leads to:
#   - the cross-built tests, the device ones on COM6;
#   - marlo-cli.exe read (and its record kept in a file), send and scan beside the Linux marlo-cli on the same device, whose output
#     they must repeat byte for byte, with Windows line ends;
#   - a read of a device that stops talking mid-dump, which must fail at the idle limit;
#   - marlo-cli.exe ports on port devices entered in the prefix's device registry.
set -euo pipefail
cd "$(dirname "$0")/.."

wine=$(command -v wine64 || echo /usr/lib/wine/wine64)
wineserver="$(dirname "$(readlink -f "$wine")")/wineserver"
windows=$PWD/build-windows
linux=$PWD/build-win-linux

cmake -S . -B "$linux" -G Ninja -DMARLO_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build "$linux" -j2 --target marlo-devsim marlo-cli
cmake -S . -B "$windows" -G Ninja -DMARLO_WERROR=ON -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_TOOLCHAIN_FILE="$PWD/cmake/mingw-w64-x86_64.cmake" -DCMAKE_CROSSCOMPILING_EMULATOR="$wine"
cmake --build "$windows" -j2

# Both marlo-cli programs speak Japanese, the program's own language, whatever this machine's locale.
export LANGUAGE=ja
export WINEPREFIX=$windows/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
rm -rf "$WINEPREFIX"
mkdir -p "$WINEPREFIX"
scratch=$(mktemp -d)
devices=()
finish() {
  for pid in "${devices[@]}"; do kill "$pid" 2>/dev/null || true; done
  "$wineserver" -k 2>/dev/null || true
  rm -rf "$scratch"
}
trap finish EXIT

started=$(date +%s)
# Kept up between the programs; it reports the objects left at its end.
"$wineserver" -p 2>/dev/null
"$wine" wineboot --init >/dev/null 2>&1
echo "Wine prefix made in $(($(date +%s) - started)) s"

# device NAME COMn [marlo-devsim option...]: serves a simulated device on COMn and keeps the path
# of its pseudo-terminal in $NAME.
device() {
  local name=$1 port=$2 path=""
  shift 2
  "$linux/sim/marlo-devsim" "$@" >"$scratch/$name.out" &
  devices+=($!)
  for _ in $(seq 100); do
    path=$(head -n 1 "$scratch/$name.out" 2>/dev/null || true)
    [ -n "$path" ] && break
    sleep 0.1
  done
  ln -sfn "$path" "$WINEPREFIX/dosdevices/${port,,}"
  printf -v "$name" '%s' "$path"
}

passed=0
failed=0
check() {
  if "${@:2}"; then
    echo "ok: $1"
    passed=$((passed + 1))
  else
    echo "FAILED: $1"
    failed=$((failed + 1))
  fi
}

# The Linux program's output, with CR LF line ends, is the Windows program's byte for byte.
same_as_linux() {
  sed 's/$/\r/' "$1" | cmp - "$2"
}

differ() {
  ! cmp -s "$1" "$2"
}

marlo_cli() {
  "$linux/cli/marlo-cli" "$@"
}

marlo_cli_exe() {
  "$wine" "$windows/cli/marlo-cli.exe" "$@"
}

device tests COM6 --scan-delay 20
check "the cross-built tests" env MARLO_TEST_PORT=COM6 ctest --test-dir "$windows" --output-on-failure \
  --no-tests=error

device main COM5 --scan-delay 100
# Stray bytes wait at this one's port, and its command line was left at "xml>".
device left COM7 --scan-delay 100 --stray $'\r\nDevice>stale' --start-level xml
# These stop talking in the middle of the configuration dump, for good: one for each program.
device silent COM8 --silence-after 1500
device silentForLinux COM9 --silence-after 1500

cd "$scratch"
marlo_cli read --port "$main" >linux-read || true
marlo_cli_exe read --port COM5 >windows-read || true
check "read prints what the Linux marlo-cli prints" same_as_linux linux-read windows-read
marlo_cli_exe read --port COM7 >windows-read-left || true
check "read climbs down from xml> and drops the stray bytes" same_as_linux linux-read windows-read-left
marlo_cli read --port "$main" --config-out linux-config.xml >/dev/null || true
echo "an older record" >windows-config.xml
marlo_cli_exe read --port COM5 --config-out windows-config.xml >/dev/null || true
check "read --config-out replaces the file with the record the Linux marlo-cli keeps" \
  cmp linux-config.xml windows-config.xml

band() {
  printf '<?xml version="1.0" standalone="yes"?>\r<configrecord version="0.1.0.1">\r   <configgroup name = "Radio">\r      <configitem name = "Band">\r         <value>%s</value>\r      </configitem>\r   </configgroup>\r</configrecord>\r' "$1"
}
band "5 GHz Only" >band.xml
band "6 GHz" >bad-band.xml
marlo_cli_exe send --port COM5 band.xml >windows-send || true
printf '\r\nConfiguration record imported.\r\n>\r\n' >accepted
check "send of a record the device takes" cmp accepted windows-send
marlo_cli read --port "$main" >linux-read-after || true
marlo_cli_exe read --port COM5 >windows-read-after || true
check "the device took it" differ linux-read linux-read-after
check "read after the send prints what the Linux marlo-cli prints" same_as_linux linux-read-after windows-read-after

refused=0
marlo_cli send --port "$main" bad-band.xml >/dev/null 2>linux-refused || true
marlo_cli_exe send --port COM5 bad-band.xml >/dev/null 2>windows-refused || refused=$?
check "send of a record the device refuses fails (exit $refused)" test "$refused" = 1
check "with the device's answer, as the Linux marlo-cli prints it" same_as_linux linux-refused windows-refused

marlo_cli scan --port "$main" >linux-scan || true
marlo_cli_exe scan --port COM5 >windows-scan || true
check "scan prints what the Linux marlo-cli prints" same_as_linux linux-scan windows-scan

started=$(date +%s)
status=0
marlo_cli_exe read --port COM8 >/dev/null 2>windows-silent || status=$?
waited=$(($(date +%s) - started))
marlo_cli read --port "$silentForLinux" >/dev/null 2>linux-silent || true
check "a device that falls silent fails the read (exit $status)" test "$status" = 1
check "at the idle limit, not later (${waited} s)" test "$waited" -lt 20
check "with the message the Linux marlo-cli prints" same_as_linux linux-silent windows-silent

printf '%s\r\n' REGEDIT4 "" \
  '[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Enum\ROOT\PORTS\0000]' \
  '"ClassGUID"="{4D36E978-E325-11CE-BFC1-08002BE10318}"' '"FriendlyName"="Communications Port (COM1)"' "" \
  '[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Enum\ROOT\PORTS\0001]' \
  '"ClassGUID"="{4D36E978-E325-11CE-BFC1-08002BE10318}"' '"FriendlyName"="Printer Port (LPT1)"' "" \
  '[HKEY_LOCAL_MACHINE\System\CurrentControlSet\Enum\ROOT\PORTS\0002]' \
  '"ClassGUID"="{4D36E978-E325-11CE-BFC1-08002BE10318}"' '"FriendlyName"="USB Serial Port (COM5)"' >ports.reg
"$wine" reg import ports.reg >/dev/null 2>&1
marlo_cli_exe ports >windows-ports || true
printf '\\\\.\\COM1\tCommunications Port (COM1)\r\n\\\\.\\COM5\tUSB Serial Port (COM5)\tpreferred\r\n' >listed
check "ports lists the ports class by friendly name, the USB one preferred" cmp listed windows-ports

echo "Windows checks: $passed passed, $failed failed"
[ "$failed" -eq 0 ]
