#!/usr/bin/env bash
# Installs what is missing, builds Lumivex in Release and starts it.
# By default the game runs in a private network of its own (try it out, or start several
# copies with tools/lan.sh); pass --lan to play with the other computers of your network.
set -euo pipefail
top="$(cd "$(dirname "$0")/.." && pwd)"
"$top/tools/deps.sh" run
echo "lumivex: building in $top/build"
cmake -S "$top" -B "$top/build" -G Ninja -DCMAKE_BUILD_TYPE=Release -DLUMIVEX_TESTS=OFF >/dev/null
cmake --build "$top/build" --target lumivex
if [ "${1:-}" = --lan ]; then
    echo "lumivex: starting on the local network"
    exec "$top/build/app/lumivex"
fi
echo "lumivex: starting in a private network (use --lan to play with other computers)"
exec "$top/tools/netns-run" "$top/build/app/lumivex"
