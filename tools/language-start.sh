#!/usr/bin/env bash
# Start-up with a translation against English, taking turns: the time from starting the
# program to both windows painted (--quit-when-shown), offscreen, in a private network.
#   tools/language-start.sh [GAME] [ROUNDS] [LANG]   (default build-dev/app/lumivex, 15, de_DE.UTF-8)
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
game=$(realpath "${1:-$top/build-dev/app/lumivex}")
exec "$top/tools/netns-run" bash -c '
game=$1 rounds=$2 lang=$3
home=$(mktemp -d); trap "rm -rf $home" EXIT
run() { local t0 t1; t0=$(date +%s%N)
        HOME=$home XDG_CONFIG_HOME=$home QT_QPA_PLATFORM=offscreen LANGUAGE= LC_ALL= LANG=$1 "$game" --quit-when-shown >/dev/null 2>&1
        t1=$(date +%s%N); echo $(( (t1 - t0) / 1000000 )); }
run C.UTF-8 >/dev/null; run "$lang" >/dev/null   # warm the caches
en=(); tr=()
for i in $(seq "$rounds"); do en+=("$(run C.UTF-8)"); tr+=("$(run "$lang")"); done
median() { printf "%s\n" "$@" | sort -n | awk "{a[NR]=\$1} END {print a[int((NR+1)/2)]}"; }
m1=$(median "${en[@]}"); m2=$(median "${tr[@]}")
echo "English: median $m1 ms (${en[*]})"
echo "$lang: median $m2 ms (${tr[*]})"
awk -v a="$m1" -v b="$m2" "BEGIN {printf \"translated / English: %.3f\n\", b / a}"
' start "$game" "${2:-15}" "${3:-de_DE.UTF-8}"
