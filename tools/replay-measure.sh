#!/usr/bin/env bash
# Replay figures: an 8-rider demo at Speed 85 (the default settings) records SECONDS of play in
# a private network; the bench then tells the file's weight per minute, times opening a
# MINUTES-long replay made of it and jumping to its last round, and the recorder's cost to the
# host's tick.
#   tools/replay-measure.sh [SECONDS] [MINUTES]    (needs a Release build in build/)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
seconds=${1:-60}
minutes=${2:-60}
game=$top/build/app/lumivex
bench=$top/build/bench/lumivex_bench
dir="$(mktemp -d /tmp/lumivex-replay-measure.XXXXXX)"
trap 'rm -rf "$dir"' EXIT
mkdir -p "$dir/home/.config"
printf '[Main]\nName=Demo\n' > "$dir/home/.config/lumivex.ini"
"$top/tools/netns-run" env HOME="$dir/home" XDG_CONFIG_HOME="$dir/home/.config" XDG_DATA_HOME="$dir/data" \
    QT_QPA_PLATFORM=offscreen timeout -s INT "$seconds" "$game" --demo 8 --record "$dir/m.lumivex-replay" \
    >/dev/null 2>&1 || true
echo "== an 8-rider demo at Speed 85, $seconds s"
"$bench" replayfile "$dir/m.lumivex-replay"
echo "== a $minutes-minute replay"
"$bench" replayopen "$dir/m.lumivex-replay" "$minutes"
echo "== the recorder's cost"
QT_QPA_PLATFORM=offscreen "$bench" recording 20000
