#!/usr/bin/env bash
# Runs the collection's apply module with ansible-playbook on localhost against two simulated devices:
# the first run changes both, the second changes nothing, and check mode reports a change but
# writes none.
#   PlaybookCheck.sh MARLO_CLI MARLO_DEVSIM
set -euo pipefail
marlo_cli=$(readlink -f "$1")
devsim=$2
here=$(cd "$(dirname "$0")" && pwd)
repo=$(cd "$here/../.." && pwd)
scratch=$(mktemp -d)
pids=()
cleanup() {
  [ ${#pids[@]} -gt 0 ] && kill "${pids[@]}" 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

for device in first second; do
  "$devsim" >"$scratch/$device.port" &
  pids+=($!)
done
for device in first second; do
  for _ in $(seq 50); do [ -s "$scratch/$device.port" ] && break; sleep 0.1; done
done
first=$(head -1 "$scratch/first.port")
second=$(head -1 "$scratch/second.port")

export XDG_DATA_HOME=$scratch/data HOME=$scratch
export ANSIBLE_COLLECTIONS_PATH=$repo/ansible ANSIBLE_LOCAL_TEMP=$scratch/ansible ANSIBLE_NOCOLOR=1
export ANSIBLE_PYTHON_INTERPRETER=/usr/bin/python3 ANSIBLE_LOCALHOST_WARNING=false ANSIBLE_INVENTORY_UNPARSED_WARNING=false

play() {
  ansible-playbook -i localhost, "$here/apply.yml" -e "marlo_cli=$marlo_cli config=$repo/tests/data/simulator-factory.xml" \
    -e "first_port=$first second_port=$second" "$@" >"$scratch/play.log" 2>&1 || { cat "$scratch/play.log"; exit 1; }
}
setting() {
  "$marlo_cli" read --port "$1" | grep "^$2 = "
}

play -e "baud=115200 expect_changed=true expected_result=changed"
[ "$(setting "$first" ap.ipAddress)" = "ap.ipAddress = 10.0.1.1" ]
[ "$(setting "$second" ap.ipAddress)" = "ap.ipAddress = 10.0.2.1" ]
play -e "baud=115200 expect_changed=false expected_result=unchanged"
play --check --diff -e "baud=57600 expect_changed=true" -e "expected_result='would change'"
grep -q "line.baudRate: 115200" "$scratch/play.log" && grep -q "line.baudRate: 57600" "$scratch/play.log"
[ "$(setting "$first" line.baudRate)" = "line.baudRate = 115200" ]
echo "the playbook changed both devices, then nothing, and check mode wrote nothing"
