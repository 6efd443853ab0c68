#!/usr/bin/env bash
# Wall time of `lumivex --probe 1`, alone and on a simulated LAN with seven other copies
# running: five probes each, one line per probe and the medians.
#   tools/probe-times.sh [GAME]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
game="$(realpath "${1:-$here/../build/app/lumivex}")"
if [ "${LUMIVEX_COMPUTER:-}" = "" ]; then
    echo "alone:"
    "$here/netns-run" bash -c '
        for i in 1 2 3 4 5; do
            s=$(date +%s%N); "$0" --probe 1 >/dev/null; rc=$?
            echo "  $(( ($(date +%s%N) - s) / 1000000 )) ms (exit $rc)"
        done' "$game" | tee /tmp/lumivex-probe-alone
    echo "with 7 others:"
    LUMIVEX_PROBE_GAME="$game" "$here/lan.sh" -n 8 -- "$0" | tee /tmp/lumivex-probe-lan
    for f in alone lan; do
        m=$(grep -o '[0-9]* ms' "/tmp/lumivex-probe-$f" | sort -n | sed -n 3p)
        echo "median $f: $m"
    done
    exit 0
fi
game=$LUMIVEX_PROBE_GAME
if [ "$LUMIVEX_COMPUTER" != 8 ]; then
    QT_QPA_PLATFORM=offscreen timeout 14 "$game" --config "$HOME/lumivex.ini" >/dev/null 2>&1 || true
    exit 0
fi
sleep 3
for i in 1 2 3 4 5; do
    s=$(date +%s%N)
    n=$("$game" --probe 1 | grep -c '^-\?[0-9]' || true)
    echo "  $(( ($(date +%s%N) - s) / 1000000 )) ms ($n answers)"
done
