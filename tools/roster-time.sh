#!/usr/bin/env bash
# Time from start-up to a full roster: on a simulated LAN of 8 computers, seven copies have
# registered as clients; the eighth starts five times and each time reports when its roster
# shows all seven (it learns them from the answers to its start-up roll call).
#   tools/roster-time.sh [GAME]
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
if [ "${LUMIVEX_COMPUTER:-}" = "" ]; then
    game="$(realpath "${1:-$here/../build/app/lumivex}")"
    LUMIVEX_ROSTER_GAME="$game" "$here/lan.sh" -n 8 -- "$0" | tee /tmp/lumivex-roster-times
    echo "median: $(grep -o '[0-9]* ms' /tmp/lumivex-roster-times | sort -n | sed -n 3p)"
    exit 0
fi
game=$LUMIVEX_ROSTER_GAME
export QT_QPA_PLATFORM=offscreen
if [ "$LUMIVEX_COMPUTER" != 8 ]; then
    # One after another, so that each finds the slots before it taken.
    sleep "$(( LUMIVEX_COMPUTER * 6 / 10 )).$(( LUMIVEX_COMPUTER * 6 % 10 ))"
    timeout 20 "$game" --register --config "$HOME/lumivex.ini" >/dev/null 2>&1 || true
    exit 0
fi
sleep 6
for i in 1 2 3 4 5; do
    s=$(date +%s%N)
    out=$(timeout 5 "$game" --quit-when-roster-full --config "$HOME/late$i.ini" 2>/dev/null || true)
    if grep -q "roster full" <<<"$out"; then
        echo "  $(( ($(date +%s%N) - s) / 1000000 )) ms"
    else
        echo "  no full roster within 5 s"
    fi
done
