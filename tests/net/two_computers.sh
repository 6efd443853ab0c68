#!/usr/bin/env bash
# Two computers on one simulated network: each hears its own datagrams and the other's.
set -euo pipefail
probe=$1
top="$(cd "$(dirname "$0")/../.." && pwd)"
out=$("$top/tools/lan.sh" -n 2 -- "$probe")
echo "$out"
for a in 1 2; do
    for b in 1 2; do
        grep -qx "computer $a heard computer $b" <<<"$out" || { echo "FAIL: computer $a did not hear computer $b"; exit 1; }
    done
done
echo "PASS: both computers heard both"
