#!/usr/bin/env bash
# Roll-call answer times of the real program with both windows shown (Xvfb and openbox, in a
# private network), while another copy floods the group with one kind of message. The game
# first takes a match of 1500 x 1500; then a roll call goes out every 250 ms during the flood.
# Each kind runs against a freshly started game, at zoom 1x and at Auto.
#   tools/flood-shown.sh [GAME] [PER_SECOND] [SECONDS] [KINDS...]
# GAME defaults to build/app/lumivex; flood_probe is taken from the same build.
set -euo pipefail
here="$(cd "$(dirname "$0")" && pwd)"
game="$(realpath "${1:-$here/../build/app/lumivex}")"
rate=${2:-5000}
seconds=${3:-5}
shift $(( $# > 3 ? 3 : $# ))
kinds=("$@")
[ ${#kinds[@]} -gt 0 ] || kinds=(0 1 2 3 4 6 7 9 10 11 13 14 15 16)
probe="$(dirname "$game")/../bench/flood_probe"
if [ -z "${LUMIVEX_IN_NETNS:-}" ]; then
    exec env LUMIVEX_IN_NETNS=1 "$here/netns-run" "$0" "$game" "$rate" "$seconds" "${kinds[@]}"
fi
display=:$((100 + RANDOM % 100))
Xvfb "$display" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
export DISPLAY=$display QT_QPA_PLATFORM=xcb
sleep 1
openbox >/dev/null 2>&1 &
wm=$!
work="$(mktemp -d)"
trap 'kill $wm $xvfb 2>/dev/null; rm -rf "$work"' EXIT
echo "flood of $rate datagrams/s for $seconds s per kind, windows shown on $display"
for zoom in 1 Auto; do
    for kind in "${kinds[@]}"; do
        printf '[View]\nZoom=%s\n' "$zoom" >"$work/lumivex.ini"
        "$game" --config "$work/lumivex.ini" >/dev/null 2>&1 &
        g=$!
        sleep 2
        "$probe" "$kind" "$rate" "$seconds" | sed "s/^/zoom $zoom: /"
        kill "$g" 2>/dev/null || true
        wait "$g" 2>/dev/null || true
    done
done
