#!/usr/bin/env bash
# The host's work per tick and a client's Positions handling, native Linux against the Windows
# build under Wine, in turns in one sitting (for information: Wine is not Windows).
#   tools/wine-bench.sh [ROUNDS] [TICKS]      after tools/cross-windows.sh and a Release build
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
rounds=${1:-3}
ticks=${2:-20000}
native=${LUMIVEX_BENCH:-$root/build/bench/lumivex_bench}
windows=${LUMIVEX_WIN_BUILD:-$root/build-win}/bench/lumivex_bench.exe
export QT_QPA_PLATFORM=offscreen
out=$(mktemp -d)
trap 'rm -rf "$out"' EXIT
cat > "$out/turns.sh" <<INNER
for i in \$(seq $rounds); do
    "$native" hostwork $ticks >> "$out/linux.txt"
    wine "$windows" hostwork $ticks >> "$out/wine.txt" 2>/dev/null
done
INNER
"$root/tools/wine-run" bash "$out/turns.sh"
for what in "host work per tick, median" "client Positions handling per tick, median"; do
    l=$(grep "^$what" "$out/linux.txt" | awk '{print $(NF-1)}' | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
    w=$(grep "^$what" "$out/wine.txt" | awk '{print $(NF-1)}' | sort -n | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}')
    awk -v n="$what" -v l="$l" -v w="$w" 'BEGIN { printf "%-44s Linux %8.3f us, Wine %8.3f us, Wine / Linux %.2f\n", n, l, w, w / l }'
done
