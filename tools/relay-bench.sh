#!/usr/bin/env bash
# The relay's figures, in a private network: the relay and a minimal forwarder (one socket,
# recvmmsg and sendmmsg, no rooms, no proofs) each pinned to core 0, the load generator to
# core 1, with rooms of a gateway and 7 members at Speed-85 rates; then more rooms until the
# relay's core is full or datagrams are lost; then the relay's memory with 1,000 rooms.
#   tools/relay-bench.sh [BUILD_DIR] [SECONDS]     (default build, 10)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
build="$(cd "${1:-$top/build}" && pwd)"
seconds=${2:-10}
if [ "${LUMIVEX_IN_NETNS:-}" != 1 ]; then
    LUMIVEX_IN_NETNS=1 exec "$top/tools/netns-run" "$0" "$build" "$seconds"
fi
[ "$(nproc)" -ge 2 ] || { echo "needs two cores"; exit 1; }
ulimit -n 20000
game="$build/app/lumivex"
bench="$build/bench/lumivex_bench"
pids=()
trap 'for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done' EXIT
taskset -c 0 "$game" --relay --port 31316 --relay-rooms 100000 --relay-rooms-per-address 100000 >/tmp/relay-bench.log 2>&1 &
relay=$!; pids+=($relay)
taskset -c 0 "$bench" forwarder 31317 & forwarder=$!; pids+=($forwarder)
sleep 0.5
for rooms in 100 100; do # side by side, twice
    taskset -c 1 "$bench" relayload 127.0.0.1:31316 $rooms "$seconds" $relay 2>/dev/null
    taskset -c 1 "$bench" forwardload 127.0.0.1:31317 $rooms "$seconds" $forwarder 2>/dev/null
done
for rooms in 200 300; do
    taskset -c 1 "$bench" relayload 127.0.0.1:31316 $rooms "$seconds" $relay 2>/dev/null
done
kill $relay; wait $relay 2>/dev/null || true
taskset -c 0 "$game" --relay --port 31318 --relay-rooms-per-address 100000 >/dev/null 2>&1 &
relay=$!; pids+=($relay)
sleep 0.5
taskset -c 1 "$bench" relayload 127.0.0.1:31318 1000 0 $relay 2>/dev/null
"$bench" relaymemory 1000 2>/dev/null
