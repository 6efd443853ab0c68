#!/usr/bin/env bash
# --probe among four computers of a simulated LAN lists the three others and exits 0;
# alone it exits 1 and says what to check.
#   probe_lan.sh GAME
set -uo pipefail
top="$(cd "$(dirname "$0")/../.." && pwd)"
if [ -z "${LUMIVEX_COMPUTER:-}" ]; then
    game="$(realpath "$1")"
    out=$("$top/tools/netns-run" timeout 10 "$game" --probe 1 2>&1)
    rc=$?
    [ $rc = 1 ] || { echo "FAIL: alone, --probe exited $rc"; exit 1; }
    grep -q "firewall must let UDP port 31314" <<<"$out" || { echo "FAIL: alone, no hint: $out"; exit 1; }
    echo "PASS: alone, exit 1 with the hint"
    LUMIVEX_PROBE_GAME="$game" exec "$top/tools/lan.sh" -n 4 -- "$0"
fi
game=$LUMIVEX_PROBE_GAME
if [ "$LUMIVEX_COMPUTER" != 4 ]; then
    QT_QPA_PLATFORM=offscreen timeout 8 "$game" --config "$HOME/lumivex.ini" >/dev/null 2>&1
    exit 0
fi
sleep 2.5
out=$(timeout 10 "$game" --probe 1)
rc=$?
others=$(awk '{ print $NF }' <<<"$out" | sort -u | tr '\n' ' ')
[ $rc = 0 ] || { echo "FAIL: among four, --probe exited $rc"; exit 1; }
[ "$others" = "10.77.0.1 10.77.0.2 10.77.0.3 " ] || { echo "FAIL: answers from '$others'"; echo "$out"; exit 1; }
echo "PASS: among four, the three others answered"
