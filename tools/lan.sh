#!/usr/bin/env bash
# Simulates a local network of N computers on this machine and runs a command on each.
# Every computer is a private network namespace with its own address, joined to the others
# by a bridge that lives in a private namespace too: nothing reaches a real network.
#
#   tools/lan.sh [-n N] [--xvfb] -- COMMAND [ARGS...]
#
# --xvfb starts the computers on a fresh virtual display instead of the current one (its
# number is printed; look at it with any VNC-less screenshot tool, e.g. `import -window root`).
#
# COMMAND runs once per computer, all at the same time, with LUMIVEX_COMPUTER set to the
# computer's number (1..N) and HOME set to a folder of its own, so each has its own settings.
# The exit status is the first non-zero status of the commands.
set -euo pipefail
count=2
xvfb=0
while [ $# -gt 0 ]; do
    case "$1" in
        -n) count=$2; shift 2 ;;
        --xvfb) xvfb=1; shift ;;
        --) shift; break ;;
        *) break ;;
    esac
done
if [ $# -eq 0 ]; then
    echo "usage: $0 [-n N] -- COMMAND [ARGS...]" >&2
    exit 2
fi
here="$(cd "$(dirname "$0")" && pwd)"
if [ "$xvfb" = 1 ]; then
    display=:$((100 + RANDOM % 100))
    Xvfb "$display" -screen 0 1600x1200x24 -nolisten tcp >/dev/null 2>&1 &
    xvfb_pid=$!
    trap 'kill $xvfb_pid 2>/dev/null' EXIT
    sleep 1
    echo "lumivex: computers on display $display"
    status=0
    DISPLAY=$display "$0" -n "$count" -- "$@" || status=$?
    exit $status
fi
if [ "${LUMIVEX_LAN_HUB:-}" != 1 ]; then
    # The bridge itself goes into a private namespace of its own.
    LUMIVEX_LAN_HUB=1 exec "$here/netns-run" "$0" -n "$count" -- "$@"
fi

homes="$(mktemp -d /tmp/lumivex-lan.XXXXXX)"
pids=()
cleanup() {
    for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done
    rm -rf "$homes"
}
trap cleanup EXIT

ip link add lvxbr type bridge
ip link set lvxbr type bridge mcast_snooping 0
ip link set lvxbr up
for k in $(seq 1 "$count"); do
    unshare --net -- sleep infinity &
    pids+=($!)
    pid=$!
    sleep 0.05
    ip link add "lvx$k" type veth peer name eth0 netns "$pid"
    ip link set "lvx$k" master lvxbr up
    nsenter -t "$pid" -n ip link set lo up
    nsenter -t "$pid" -n ip addr add "10.77.0.$k/24" dev eth0
    nsenter -t "$pid" -n ip link set eth0 up
    nsenter -t "$pid" -n ip route add 224.0.0.0/4 dev eth0
    mkdir -p "$homes/$k"
done

jobs=()
for k in $(seq 1 "$count"); do
    LUMIVEX_COMPUTER=$k HOME="$homes/$k" nsenter -t "${pids[$((k - 1))]}" -n -- "$@" &
    jobs+=($!)
done
status=0
for j in "${jobs[@]}"; do
    wait "$j" || { s=$?; [ $status -ne 0 ] || status=$s; }
done
exit $status
